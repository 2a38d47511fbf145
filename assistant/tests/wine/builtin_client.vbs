' Drives Gesticon.asistente from VBScript in a prefix where the animated-agent
' control was never installed, as on the Windows of today: every member
' works through the built-in assistant, and the voice's stand-in journals what
' the speech asked for. Wine's script host has no WScript.Sleep and pumps no
' messages, so the script lets time pass by itself; each request then starts
' when the next one is made. Its last line counts the checks; a script that
' stopped half-way never writes it (cscript exits 0 even then).
Option Explicit

Dim fso, journalPath, passed, failed
Set fso = CreateObject("Scripting.FileSystemObject")
journalPath = CreateObject("WScript.Shell").ExpandEnvironmentStrings("%AGENT_STANDIN_JOURNAL%")
passed = 0
failed = 0

Sub Check(condition, what)
    If condition Then
        passed = passed + 1
    Else
        failed = failed + 1
        WScript.Echo "FAIL: " & what
    End If
End Sub

' The voice's lines of the journal, joined by "|", and a fresh journal.
Function TakeVoiceLines()
    Dim stream, result
    result = ""
    If fso.FileExists(journalPath) Then
        Set stream = fso.OpenTextFile(journalPath, 1)
        Do Until stream.AtEndOfStream
            If result <> "" Then result = result & "|"
            result = result & stream.ReadLine
        Loop
        stream.Close
        fso.DeleteFile journalPath
    End If
    TakeVoiceLines = result
End Function

Sub WaitMs(ms)
    Dim start
    start = Timer
    Do While (Timer - start) * 1000 < ms And Timer >= start
    Loop
End Sub

' Checks that the member just called succeeded, and forgets its error.
Sub ExpectNoError(what)
    Check Err.Number = 0, what & " (error " & Hex(Err.Number) & ": " & Err.Description & ")"
    Err.Clear
End Sub

Const kSpanishVoice = "Voice.SetVoice(""HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices\\Tokens\\StandInEs"")"

Dim a, guia, heard, x, y, unloaded
TakeVoiceLines
On Error Resume Next
Set a = CreateObject("Gesticon.asistente")
ExpectNoError "CreateObject without the agent control"

unloaded = ""
For guia = 0 To 3
    ' Each Show unloads the character before, whose speech stops with it.
    a.Show 3082, guia
    ExpectNoError "Show 3082, " & guia
    WaitMs 500
    a.Speak "Hola, soy el personaje " & guia
    ExpectNoError "Speak with character " & guia
    heard = TakeVoiceLines()
    Check heard = unloaded & "Voices.EnumTokens(""Language=C0A"")|" & kSpanishVoice & _
        "|Voice.Speak(""Hola, soy el personaje " & guia & """,17)", _
        "character " & guia & " speaks in the Spanish voice, without waiting: " & heard
    unloaded = "Voice.Speak(2)|"
Next

a.Stop_Asistente
ExpectNoError "Stop_Asistente while speaking"
Check TakeVoiceLines() = "Voice.Speak(2)", "Stop_Asistente purges the voice"

a.Think "Pensando en silencio"
ExpectNoError "Think"
a.Action 4
a.Action 16
a.Action 31
a.Action 45
a.Action 62
ExpectNoError "Action of several families (Confused, GetAttentionContinued, LookDown, Processing, Wave)"
x = 100
y = 200
a.Move x, y
ExpectNoError "Move"
Check x = 100 And y = 200, "Move leaves its variables as they were"
WaitMs 300
Check TakeVoiceLines() = "", "Think, the animations and Move are silent"

a.Stop_Asistente
ExpectNoError "Stop_Asistente with requests waiting"
a.Unload
ExpectNoError "Unload"
a.Unload
Check Err.Number = &H80040203, "a second Unload is refused by the built-in assistant (" & Hex(Err.Number) & ")"
Err.Clear
a.Show 3082, 1
ExpectNoError "Show again after Unload"
WaitMs 500
a.Speak "Otra vez"
ExpectNoError "Speak after showing again"
Check InStr(TakeVoiceLines(), "Voice.Speak(""Otra vez"",17)") > 0, "the character shown again speaks"
a.Unload
ExpectNoError "the last Unload"
Set a = Nothing
On Error GoTo 0

WScript.Echo "vbscript builtin: " & passed & " passed, " & failed & " failed"
WScript.Quit failed
