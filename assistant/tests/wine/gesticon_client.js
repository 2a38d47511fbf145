// Drives Gesticon.asistente from JScript: literals, variables and expressions
// (JScript passes every argument by value), and checks in the control
// stand-in's journal what reached the control. Needs AGENT_STANDIN_JOURNAL set
// and a 1024 x 768 screen. Its last line counts the checks that passed and
// failed; a script that stopped half-way never writes it (cscript itself exits
// 0 even then), so that line is what tells a complete run.
var fso = new ActiveXObject("Scripting.FileSystemObject");
var journalPath = new ActiveXObject("WScript.Shell").ExpandEnvironmentStrings("%AGENT_STANDIN_JOURNAL%");
var passed = 0, failed = 0;

function check(condition, what) {
    if (condition) { passed++; } else { failed++; WScript.Echo("FAIL: " + what); }
}

function clearJournal() {
    if (fso.FileExists(journalPath)) fso.DeleteFile(journalPath);
}

var walking = { "Control.Characters?": 1, "Character.Commands?": 1, "Character.Balloon?": 1,
                "Control.PropertySheet?": 1 };

// The journal since the last clear, without the gets that only walk from one
// object of the control to the next.
function journalCalls() {
    var calls = [];
    if (!fso.FileExists(journalPath)) return calls;
    var stream = fso.OpenTextFile(journalPath, 1);
    while (!stream.AtEndOfStream) {
        var line = stream.ReadLine();
        if (!walking[line]) calls.push(line);
    }
    stream.Close();
    return calls;
}

function expectCalls(expected, what) {
    var got = journalCalls().join("|");
    var want = expected.join("|");
    check(got === want, what + "\n    expected: " + want + "\n    got:      " + got);
}

function showCalls(name, language) {
    return ['Characters.Load("CharacterID","C:\\\\windows\\\\msagent\\\\chars\\\\' + name + '.acs")',
            'Characters.Item("CharacterID")', 'Commands.Add("Opciones","&Opciones Avanzadas")',
            "Character.LanguageID=" + language, "Character.Show()", "Character.Width?",
            "Character.Left=846", "Character.Height?", "Character.Top=590"];
}

function play(animation) { return 'Character.Play("' + animation + '")'; }

// The error number of a failed call, as the runtime error it stands for.
function runtimeError(call) {
    try { call(); } catch (e) { return (e.number & 0xFFFF0000) == (0x800A0000 | 0) ? e.number & 0xFFFF : e.number; }
    return 0;
}

var kAnimations = "Acknowledge Alert Announce Blink Confused Congratulate Decline DoMagic1 DoMagic2 DontRecognize Explain GestureDown GestureLeft GestureRight GestureUp GetAttention GetAttentionContinued GetAttentionReturn Greet Hearing_1 Hearing_2 Hearing_3 Hide Idle1_1 Idle1_2 Idle1_3 Idle1_4 Idle2_1 Idle2_2 Idle3_1 Idle3_2 LookDown LookDownReturn LookLeft LookLeftReturn LookRight LookRightReturn LookUp LookUpReturn MoveDown MoveLeft MoveUp MoveRight Pleased Process Processing Read ReadContinued Reading ReadReturn RestPose Sad Search Searching Show StartListening StopListening Suggest Surprised Think Thinking Uncertain Wave Write WriteContinued WriteReturn Writing";

var a = new ActiveXObject("Gesticon.asistente");

var expected = kAnimations.split(" ");
check(expected.length === 67, "the expected list has 67 names");
var listed = [];
for (var i = 1; i <= 67; i++) listed.push(a.Animations(i));
check(listed.join(" ") === kAnimations, "Animations 1 to 67 list the 67 names in order: " + listed.join(" "));
check(runtimeError(function () { a.Animations(0); }) === 9, "Animations 0 fails with error 9");

clearJournal();
a.Show(3082, 0);
expectCalls(showCalls("genie", 3082), "Show(3082, 0)");

var language = 1036, character = 3;
clearJournal();
a.Show(language, character);
expectCalls(["Characters.Unload(\"CharacterID\")"].concat(showCalls("peedy", 1036)), "Show with variables");

// Show, Unload, Show: nothing is loaded after Unload, so the second Show loads
// without asking the control to unload again, which it would refuse.
clearJournal();
a.Unload();
a.Show(1033, 1);
a.Speak("Otra vez");
expectCalls(['Characters.Unload("CharacterID")'].concat(showCalls("merlin", 1033), ['Character.Speak("Otra vez")']),
            "Show, Unload, Show, Speak");

clearJournal();
a.Speak("Hola");
var text = "Buenos dias";
a.Speak(text);
a.Speak("Son las " + (character - 1));
a.Speak("");
a.Think("Pensando");
a.Think(text + "?");
expectCalls(['Character.Speak("Hola")', 'Character.Speak("Buenos dias")', 'Character.Speak("Son las 2")',
             'Character.Speak("")', 'Character.Think("Pensando")', 'Character.Think("Buenos dias?")'],
            "Speak and Think with literals, variables and expressions");

clearJournal();
a.Move(100, 200);
var x = 300, y = 400;
a.Move(x, y);
check(x === 300 && y === 400, "Move leaves the variables as they were");
a.Move(x + 1, y * 2);
a.Move(x / 3, -y / 40);
expectCalls(["Character.MoveTo(100,200)", "Character.MoveTo(300,400)", "Character.MoveTo(301,800)",
             "Character.MoveTo(100,-10)"], "Move with literals, variables and expressions");

clearJournal();
a.Action(0);
var n = 59;
a.Action(n);
check(n === 59, "Action leaves its variable as it was");
a.Action(n + 7);
a.Action(52);
a.Action(n - 6);
n = 54;
a.Action(n);
expectCalls([play("Acknowledge"), play("Think"), play("Writing"), play("Show"), play("Search"), play("Searching")],
            "Action with literals, variables and expressions");

clearJournal();
check(runtimeError(function () { a.Action(-1); }) === 9, "Action -1 fails with error 9");
check(runtimeError(function () { a.Action(2147483647); }) === 6, "Action 2147483647 fails with error 6");
expectCalls([], "a refused Action sends nothing");

clearJournal();
a.AutoSpace = false;
check(a.AutoSpace === false, "AutoSpace reads back false");
a.AutoSpace = true;
expectCalls(["Balloon.Style?", "Balloon.Style=5", "Balloon.Style?", "Balloon.Style=13"],
            "AutoSpace off and on keep the other bits");

clearJournal();
a.Stop_Asistente();
expectCalls(["Character.Stop()", play("RestPose")], "Stop_Asistente");

a = null;
CollectGarbage();
WScript.Echo("jscript: " + passed + " passed, " + failed + " failed");
WScript.Quit(failed);
