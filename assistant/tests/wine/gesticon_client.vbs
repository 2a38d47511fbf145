' Drives Gesticon.asistente from VBScript as a script author would: literals,
' variables (passed by reference) and expressions, and checks in the control
' stand-in's journal what reached the control. Needs AGENT_STANDIN_JOURNAL set
' and a 1024 x 768 screen; with the argument "builtin", checks the built-in
' assistant instead (where the control is not installed). Its last line counts
' the checks that passed and failed; a script that stopped half-way never
' writes it (cscript itself exits 0 even then), so that line is what tells a
' complete run.
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

Sub ClearJournal()
    If fso.FileExists(journalPath) Then fso.DeleteFile journalPath
End Sub

' The journal since the last clear, one call per line joined by "|", without
' the gets that only walk from one object of the control to the next.
Function JournalCalls()
    Dim stream, line, result
    result = ""
    If fso.FileExists(journalPath) Then
        Set stream = fso.OpenTextFile(journalPath, 1)
        Do Until stream.AtEndOfStream
            line = stream.ReadLine
            Select Case line
                Case "Control.Characters?", "Character.Commands?", "Character.Balloon?", "Control.PropertySheet?"
                Case Else
                    If result <> "" Then result = result & "|"
                    result = result & line
            End Select
        Loop
        stream.Close
    End If
    JournalCalls = result
End Function

Sub ExpectCalls(expected, what)
    Dim got
    got = JournalCalls()
    Check got = expected, what & vbCrLf & "    expected: " & expected & vbCrLf & "    got:      " & got
End Sub

Function ShowCalls(name, language)
    ShowCalls = "Characters.Load(""CharacterID"",""C:\\windows\\msagent\\chars\\" & name & ".acs"")" & _
        "|Characters.Item(""CharacterID"")|Commands.Add(""Opciones"",""&Opciones Avanzadas"")" & _
        "|Character.LanguageID=" & language & "|Character.Show()|Character.Width?|Character.Left=846" & _
        "|Character.Height?|Character.Top=590"
End Function

' The journal's calls since the last clear, and a fresh journal.
Function TakeJournal()
    TakeJournal = JournalCalls()
    ClearJournal
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

' Without the control (a prefix where it was never installed): every member
' works through the built-in assistant, and the voice's stand-in journals what
' the speech asked for. Wine's script host has no WScript.Sleep and pumps no
' messages, so the script lets time pass by itself; each request then starts
' when the next one is made.
Sub BuiltinChecks()
    Dim a, guia, heard, x, y, unloaded
    TakeJournal
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
        heard = TakeJournal()
        Check heard = unloaded & "Voices.EnumTokens(""Language=C0A"")|" & kSpanishVoice & _
            "|Voice.Speak(""Hola, soy el personaje " & guia & """,17)", _
            "character " & guia & " speaks in the Spanish voice, without waiting: " & heard
        unloaded = "Voice.Speak(2)|"
    Next

    a.Stop_Asistente
    ExpectNoError "Stop_Asistente while speaking"
    Check TakeJournal() = "Voice.Speak(2)", "Stop_Asistente purges the voice"

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
    Check TakeJournal() = "", "Think, the animations and Move are silent"

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
    Check InStr(TakeJournal(), "Voice.Speak(""Otra vez"",17)") > 0, "the character shown again speaks"
    a.Unload
    ExpectNoError "the last Unload"
    Set a = Nothing
    On Error GoTo 0
End Sub

Function Play(animation)
    Play = "Character.Play(""" & animation & """)"
End Function

Const kAnimations = "Acknowledge Alert Announce Blink Confused Congratulate Decline DoMagic1 DoMagic2 DontRecognize Explain GestureDown GestureLeft GestureRight GestureUp GetAttention GetAttentionContinued GetAttentionReturn Greet Hearing_1 Hearing_2 Hearing_3 Hide Idle1_1 Idle1_2 Idle1_3 Idle1_4 Idle2_1 Idle2_2 Idle3_1 Idle3_2 LookDown LookDownReturn LookLeft LookLeftReturn LookRight LookRightReturn LookUp LookUpReturn MoveDown MoveLeft MoveUp MoveRight Pleased Process Processing Read ReadContinued Reading ReadReturn RestPose Sad Search Searching Show StartListening StopListening Suggest Surprised Think Thinking Uncertain Wave Write WriteContinued WriteReturn Writing"

If WScript.Arguments.Count > 0 Then
    If WScript.Arguments(0) = "builtin" Then
        BuiltinChecks
        WScript.Echo "vbscript builtin: " & passed & " passed, " & failed & " failed"
        WScript.Quit failed
    End If
End If

Dim a, expected, i, listed, x, y, n, s, code
Set a = CreateObject("Gesticon.asistente")

' The 67 animations, before any Show.
expected = Split(kAnimations, " ")
Check UBound(expected) = 66, "the expected list has 67 names"
listed = ""
For i = 1 To 67
    If listed <> "" Then listed = listed & " "
    listed = listed & a.Animations(i)
Next
Check listed = kAnimations, "Animations 1 to 67 list the 67 names in order: " & listed
On Error Resume Next
s = a.Animations(68)
code = Err.Number
On Error GoTo 0
Check code = 9, "Animations 68 fails with error 9 (got " & code & ")"

ClearJournal
a.Show 3082, 0
ExpectCalls ShowCalls("genie", 3082), "Show 3082, 0"

n = 1
ClearJournal
a.Show 1033, n
ExpectCalls "Characters.Unload(""CharacterID"")|" & ShowCalls("merlin", 1033), "Show with a variable, a second time"

' Show, Unload, Show: nothing is loaded after Unload, so the second Show loads
' without asking the control to unload again, which it would refuse.
ClearJournal
a.Unload
a.Show 3082, 0
a.Speak "De nuevo"
ExpectCalls "Characters.Unload(""CharacterID"")|" & ShowCalls("genie", 3082) & "|Character.Speak(""De nuevo"")", _
    "Show, Unload, Show, Speak"

ClearJournal
a.Speak "Hola"
s = "Buenos dias"
a.Speak s
a.Speak "Son las " & (n + 1)
a.Speak ""
a.Think "Pensando"
a.Think s & "?"
ExpectCalls "Character.Speak(""Hola"")|Character.Speak(""Buenos dias"")|Character.Speak(""Son las 2"")" & _
    "|Character.Speak("""")|Character.Think(""Pensando"")|Character.Think(""Buenos dias?"")", _
    "Speak and Think with literals, variables and expressions"

ClearJournal
a.Move 100, 200
x = 300
y = 400
a.Move x, y
Check x = 300 And y = 400, "Move leaves the variables as they were"
a.Move x + 1, y * 2
a.Move (x), (y)
Call a.Move(x - 350, 10)
ExpectCalls "Character.MoveTo(100,200)|Character.MoveTo(300,400)|Character.MoveTo(301,800)" & _
    "|Character.MoveTo(300,400)|Character.MoveTo(-50,10)", "Move with literals, variables and expressions"

ClearJournal
a.Action 0
n = 59
a.Action n
Check n = 59, "Action leaves its variable as it was"
a.Action n + 7
a.Action 52
a.Action (n - 6)
n = 54
a.Action n
ExpectCalls Play("Acknowledge") & "|" & Play("Think") & "|" & Play("Writing") & "|" & Play("Show") & _
    "|" & Play("Search") & "|" & Play("Searching"), "Action with literals, variables and expressions"

ClearJournal
On Error Resume Next
a.Action 67
code = Err.Number
Err.Clear
On Error GoTo 0
Check code = 9, "Action 67 fails with error 9 (got " & code & ")"
ExpectCalls "", "a refused Action sends nothing"

ClearJournal
a.Balloon = False
Check a.Balloon = False, "Balloon reads back False"
a.Balloon = True
a.Sound = True
Check a.Sound = True, "Sound reads back True"
ExpectCalls "Balloon.Style?|Balloon.Style=12|Balloon.Style?|Balloon.Style=13|Character.SoundEffectsOn=true", _
    "Balloon off and on keep the other bits; Sound goes to SoundEffectsOn"

ClearJournal
a.Stop_Asistente
ExpectCalls "Character.Stop()|" & Play("RestPose"), "Stop_Asistente"

Set a = Nothing
WScript.Echo "vbscript: " & passed & " passed, " & failed & " failed"
WScript.Quit failed
