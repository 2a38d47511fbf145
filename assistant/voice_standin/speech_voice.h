#pragma once
// The stand-in's SpVoice: journals what it is asked (the voice set, the rate,
// each Speak with its text and flags, a purge) and "speaks" asynchronously by
// reporting a word boundary for each word, then the end of the stream, one
// event every VOICE_STANDIN_WORD_MS milliseconds (200 unless set), through the
// window message the client asked for.
#include <windows.h>

namespace gesticon::standin {

HRESULT createSpeechVoice(REFIID iid, void** out);

} // namespace gesticon::standin
