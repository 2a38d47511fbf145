#include "file_checks.h"

#include "contract.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

namespace gesticon::tests {

namespace {

template <class T>
bool readAt(const std::vector<unsigned char>& bytes, size_t offset, T& value)
{
    if (offset + sizeof(T) > bytes.size())
        return false;
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return true;
}

std::vector<unsigned char> fileBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::wstring versionString(const std::vector<unsigned char>& block, const wchar_t* name, bool* found)
{
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    *found = VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) != FALSE;
    return (*found && value && length) ? std::wstring(value, wcsnlen(value, length)) : std::wstring();
}

} // namespace

std::vector<unsigned char> typeLibraryResource(const std::wstring& dll)
{
    // As a data file, a library of the other target loads too.
    HMODULE module = LoadLibraryExW(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return {};
    std::vector<unsigned char> bytes;
    if (HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), L"TYPELIB")) {
        HGLOBAL loaded = LoadResource(module, resource);
        const DWORD size = SizeofResource(module, resource);
        if (const void* data = loaded ? LockResource(loaded) : nullptr)
            bytes.assign(static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + size);
    }
    FreeLibrary(module);
    return bytes;
}

std::vector<WORD> typeLibraryLanguages(const std::wstring& dll)
{
    std::vector<WORD> languages;
    HMODULE module = LoadLibraryExW(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return languages;
    EnumResourceLanguagesW(
        module, L"TYPELIB", MAKEINTRESOURCEW(1),
        [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) -> BOOL {
            reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&languages));
    FreeLibrary(module);
    return languages;
}

void checkStoredRecords(Checks& checks, const std::vector<unsigned char>& tlb, int pointerSize,
                        const std::string& label)
{
    // MSFT layout: a 0x54-byte header (type count at 0x20, flags at 0x14 with
    // 0x100 adding one word), the type offsets, then the segment directory whose
    // first entry locates the 0x64-byte type descriptions; a description's
    // second word is the file offset of its member records.
    INT magic = 0, flags = 0, types = 0, typeSegment = 0, records = 0;
    if (!checks.that(readAt(tlb, 0, magic) && magic == 0x5446534D && readAt(tlb, 0x14, flags) &&
                         readAt(tlb, 0x20, types) && types == 5,
                     label + " stored library is MSFT with five types"))
        return;
    const size_t directory = 0x54 + ((flags & 0x100) ? 4 : 0) + 4 * static_cast<size_t>(types);
    if (!checks.that(readAt(tlb, directory, typeSegment) && readAt(tlb, typeSegment + 4, records),
                     label + " stored type directory"))
        return;
    checks.equal(flags & 0xF, pointerSize == 8 ? int(SYS_WIN64) : int(SYS_WIN32), label + " stored target system");

    const auto& members = expectedMembers();
    size_t offset = static_cast<size_t>(records) + 4; // after the block's total length
    for (const ExpectedMember& want : members) {
        const std::string where = label + " stored slot " + std::to_string(want.slot) + " " + narrow(want.name);
        INT info = 0;
        SHORT vtableOffset = 0, argCount = 0;
        INT kinds = 0;
        if (!checks.that(readAt(tlb, offset, info) && readAt(tlb, offset + 12, vtableOffset) &&
                             readAt(tlb, offset + 16, kinds) && readAt(tlb, offset + 20, argCount),
                         where + " record"))
            return;
        const size_t length = static_cast<size_t>(info & 0xFFFF);
        checks.equal(vtableOffset & ~1, want.slot * pointerSize, where + " vtable offset in target pointers");
        checks.equal((kinds >> 3) & 0xF, int(want.kind), where + " invocation kind");
        if (checks.equal(argCount, static_cast<SHORT>(want.params.size()), where + " parameter count")) {
            const size_t params = offset + length - 12 * static_cast<size_t>(argCount);
            for (SHORT p = 0; p < argCount; ++p) {
                INT nameOffset = 0;
                readAt(tlb, params + 12 * p + 4, nameOffset);
                checks.equal(nameOffset == -1, want.params[p].name == nullptr,
                             where + " parameter " + std::to_string(p) + (want.params[p].name ? " named" : " unnamed"));
            }
        }
        offset += length;
    }
}

void checkVersionBlock(Checks& checks, const std::wstring& dll, const std::string& label)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(dll.c_str(), &ignored);
    std::vector<unsigned char> block(size);
    if (!checks.that(size && GetFileVersionInfoW(dll.c_str(), 0, size, block.data()), label + " has a version block"))
        return;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (checks.that(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed,
                    label + " fixed version")) {
        checks.that(fixed->dwFileVersionMS == 0x00010000 && fixed->dwFileVersionLS == 0,
                    label + " file version 1.0.0.0");
        checks.that(fixed->dwProductVersionMS == 0x00010000 && fixed->dwProductVersionLS == 0,
                    label + " product version 1.0.0.0");
    }
    WORD* translation = nullptr;
    checks.that(
        VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) &&
            length >= 4 && translation[0] == 0x0409 && translation[1] == 1200,
        label + " language 0x0409, code page 1200");
    const std::pair<const wchar_t*, const wchar_t*> strings[] = {{L"FileVersion", L"1.00"},
                                                                 {L"ProductVersion", L"1.00"},
                                                                 {L"ProductName", L"Gesticon"},
                                                                 {L"InternalName", L"Gesticon"},
                                                                 {L"OriginalFilename", L"Gesticon.dll"}};
    for (const auto& [name, value] : strings) {
        bool found = false;
        checks.that(versionString(block, name, &found) == value && found, label + " " + narrow(name));
    }
    bool found = false;
    checks.that(!versionString(block, L"CompanyName", &found).empty(), label + " CompanyName");
    const std::wstring selfRegister = versionString(block, L"OLESelfRegister", &found);
    checks.that(found && selfRegister.empty(), label + " empty OLESelfRegister entry");
}

void checkExports(Checks& checks, const std::wstring& dll, WORD machine, const std::string& label)
{
    const std::vector<unsigned char> file = fileBytes(dll);
    INT peOffset = 0;
    DWORD signature = 0;
    IMAGE_FILE_HEADER header{};
    if (!checks.that(readAt(file, 0x3C, peOffset) && readAt(file, peOffset, signature) &&
                         signature == IMAGE_NT_SIGNATURE && readAt(file, peOffset + 4, header),
                     label + " is a PE file"))
        return;
    checks.equal(header.Machine, machine, label + " machine");
    const size_t optional = peOffset + 4 + sizeof(IMAGE_FILE_HEADER);
    WORD magic = 0;
    readAt(file, optional, magic);
    // The data directories start at 96 (PE32) or 112 (PE32+) into the optional header.
    const size_t directories = optional + (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC ? 112 : 96);
    IMAGE_DATA_DIRECTORY exportDirectory{};
    readAt(file, directories, exportDirectory);
    const size_t sections = optional + header.SizeOfOptionalHeader;
    auto fileOffset = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < header.NumberOfSections; ++i) {
            IMAGE_SECTION_HEADER section{};
            readAt(file, sections + i * sizeof(section), section);
            if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.Misc.VirtualSize)
                return rva - section.VirtualAddress + section.PointerToRawData;
        }
        return 0;
    };
    IMAGE_EXPORT_DIRECTORY exports{};
    if (!checks.that(exportDirectory.VirtualAddress &&
                         readAt(file, fileOffset(exportDirectory.VirtualAddress), exports),
                     label + " has exports"))
        return;
    std::map<std::string, DWORD> ordinals;
    for (DWORD i = 0; i < exports.NumberOfNames; ++i) {
        DWORD nameRva = 0;
        WORD index = 0;
        readAt(file, fileOffset(exports.AddressOfNames) + 4 * i, nameRva);
        readAt(file, fileOffset(exports.AddressOfNameOrdinals) + 2 * i, index);
        const size_t at = fileOffset(nameRva);
        std::string name;
        while (at + name.size() < file.size() && file[at + name.size()] != 0)
            name += static_cast<char>(file[at + name.size()]);
        ordinals[name] = exports.Base + index;
    }
    const std::map<std::string, DWORD> expected = {
        {"DllCanUnloadNow", 1}, {"DllGetClassObject", 2}, {"DllRegisterServer", 3}, {"DllUnregisterServer", 4}};
    checks.that(ordinals == expected && exports.NumberOfFunctions == 4,
                label + " exports exactly the four entry points with ordinals 1 to 4");
}

} // namespace gesticon::tests
