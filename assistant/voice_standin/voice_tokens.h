#pragma once
// The voices the stand-in offers, as SAPI's token category of voices lists
// them: a Spanish one and an English one, or none at all when
// VOICE_STANDIN_NO_VOICES is set. Only what Gesticon asks is implemented.
#include <windows.h>
#include <sapi.h>
#include <sperror.h>

namespace gesticon::standin {

HRESULT createVoiceCategory(REFIID iid, void** out);

} // namespace gesticon::standin
