// The voice stand-in's entry points: class factories for SAPI's voice and its
// token category of voices, and self-registration under their classes, so
// regsvr32 can put the stand-in where the platform's speech would be.
#include <windows.h>
#include <sapi.h>

#include "class_factory.h"
#include "class_registration.h"
#include "module_count.h"
#include "speech_voice.h"
#include "voice_tokens.h"

namespace gesticon::standin {

namespace {

StandInFactory voiceFactory(createSpeechVoice);
StandInFactory categoryFactory(createVoiceCategory);

} // namespace

} // namespace gesticon::standin

using namespace gesticon::standin;

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualCLSID(clsid, CLSID_SpVoice))
        return voiceFactory.QueryInterface(iid, out);
    if (IsEqualCLSID(clsid, CLSID_SpObjectTokenCategory))
        return categoryFactory.QueryInterface(iid, out);
    return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer()
{
    const HRESULT hr = registerInprocClass(standInModule(), CLSID_SpVoice, L"Speech voice stand-in (test support)");
    return FAILED(hr) ? hr
                      : registerInprocClass(standInModule(), CLSID_SpObjectTokenCategory,
                                            L"Speech token category stand-in (test support)");
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    const HRESULT hr = unregisterInprocClass(CLSID_SpVoice);
    return FAILED(hr) ? hr : unregisterInprocClass(CLSID_SpObjectTokenCategory);
}
