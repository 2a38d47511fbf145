// The rendered characters: every pose of every character decodes, shows
// something, and differs from the other poses and from the other characters.
#include "character_choice.h"
#include "frame_sheet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace gesticon::builtin {
namespace {

FrameSheet load(const char* name)
{
    std::ifstream file(std::string(GESTICON_CHARACTERS_DIR) + "/" + name + ".png", std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    auto sheet = FrameSheet::decode(bytes);
    if (!sheet)
        throw std::runtime_error(std::string(name) + ".png is not a strip of poses");
    return std::move(*sheet);
}

int visiblePixels(const FrameSheet& sheet, Pose pose)
{
    int count = 0;
    for (int y = 0; y < kFrameSize; ++y) {
        for (std::uint32_t pixel : sheet.row(pose, y))
            count += (pixel >> 24) > 0;
    }
    return count;
}

int differingPixels(const FrameSheet& a, Pose pa, const FrameSheet& b, Pose pb)
{
    int count = 0;
    for (int y = 0; y < kFrameSize; ++y) {
        auto ra = a.row(pa, y), rb = b.row(pb, y);
        for (int x = 0; x < kFrameSize; ++x)
            count += ra[x] != rb[x];
    }
    return count;
}

TEST(Frames, EveryPoseOfEveryCharacterIsDrawnAndDiffersFromTheOthers)
{
    const char* names[] = {"genie", "wizard", "robot", "parrot"};
    std::vector<FrameSheet> sheets;
    for (const char* name : names)
        sheets.push_back(load(name));
    for (std::size_t c = 0; c < sheets.size(); ++c) {
        for (int p = 0; p < kPoseCount; ++p) {
            // Even the smallest pose, shrunk for showing and hiding, has a body.
            EXPECT_GT(visiblePixels(sheets[c], Pose(p)), 150) << names[c] << " pose " << p;
            for (int q = p + 1; q < kPoseCount; ++q)
                EXPECT_GT(differingPixels(sheets[c], Pose(p), sheets[c], Pose(q)), 20)
                    << names[c] << " poses " << p << " and " << q << " look alike";
        }
        for (std::size_t d = c + 1; d < sheets.size(); ++d)
            EXPECT_GT(differingPixels(sheets[c], Pose::Rest, sheets[d], Pose::Rest), 3000) << names[c] << names[d];
    }
}

TEST(Frames, ABrokenStripIsRefused)
{
    const std::uint8_t notPng[] = {1, 2, 3, 4};
    EXPECT_FALSE(FrameSheet::decode(notPng));
}

TEST(CharacterChoice, TheClassicFileNamesChooseOurCharacters)
{
    EXPECT_EQ(characterForLoadKey(L"C:\\WINDOWS\\msagent\\chars\\genie.acs"), Character::Genie);
    EXPECT_EQ(characterForLoadKey(L"C:\\windows\\msagent\\chars\\MERLIN.ACS"), Character::Wizard);
    EXPECT_EQ(characterForLoadKey(L"msagent\\chars\\robby.acs"), Character::Robot);
    EXPECT_EQ(characterForLoadKey(L"peedy.acs"), Character::Parrot);
    EXPECT_EQ(characterForLoadKey(L"C:\\WINDOWS\\msagent\\chars\\.acs"), std::nullopt);
    EXPECT_EQ(characterForLoadKey(L"C:\\genie.acs\\other.acs"), std::nullopt);
}

} // namespace
} // namespace gesticon::builtin
