// Every text of the program speaks to the user with "tú", as its own texts
// do ("Añade Por Lo Menos...", "Crea La Nueva", "Tus Películas"): the test
// lists every string of the program's sources (tests, test support,
// benchmarks and tools left out) and fails on a form of "usted".
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Text {
    QString where; // file:line
    QString text;  // adjacent literals joined, escapes as written
};

// The string literals of C++ source, adjacent ones joined as the compiler
// joins them; comments, character literals and raw strings are passed over.
QList<Text> literalsOf(const QString& source, const QString& file)
{
    QList<Text> texts;
    int line = 1;
    bool joining = false;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == u'\n')
            ++line;
        if (source.mid(i, 2) == u"//") {
            i = source.indexOf(u'\n', i) - 1;
            if (i < 0)
                break;
        } else if (source.mid(i, 2) == u"/*") {
            const qsizetype end = source.indexOf(u"*/", i + 2);
            line += int(source.mid(i, end - i).count(u'\n'));
            i = end + 1;
        } else if (c == u'\'' && !(i > 0 && source[i - 1].isDigit())) { // not a digit separator
            while (++i < source.size() && source[i] != u'\'')
                i += source[i] == u'\\' ? 1 : 0;
        } else if (c == u'"' && i > 0 && source[i - 1] == u'R') {
            const qsizetype end = source.indexOf(u")\"", i);
            line += int(source.mid(i, end - i).count(u'\n'));
            i = end + 1;
        } else if (c == u'"') {
            QString text;
            while (++i < source.size() && source[i] != u'"') {
                if (source[i] == u'\\')
                    text += source[i++];
                text += source[i];
            }
            if (joining)
                texts.last().text += text;
            else
                texts.append({QStringLiteral("%1:%2").arg(file).arg(line), text});
            joining = true;
            continue;
        }
        if (!c.isSpace() && c != u'"')
            joining = false;
    }
    return texts;
}

QList<Text> programTexts()
{
    QList<Text> texts;
    const QRegularExpression notProgram(QStringLiteral("/(tests|testing|bench|demo|artwork)/"));
    QDirIterator files(QStringLiteral(CINTARIO_CATALOGUE_DIR), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (notProgram.match(path).hasMatch())
            continue;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        texts << literalsOf(QString::fromUtf8(file.readAll()), path.mid(path.indexOf(u"catalogue/")));
    }
    return texts;
}

// The words of "usted", and its commands as a program gives them; a command
// may carry a pronoun: "ciérrela", "póngale", "asegúrese".
bool speaksWithUsted(const QString& text)
{
    static const QSet<QString> usted = {
        u"usted"_s,  u"ustedes"_s,  u"desea"_s,   u"cierre"_s,   u"vuelva"_s,     u"siga"_s,       u"compruebe"_s,
        u"ponga"_s,  u"espere"_s,   u"guarde"_s,  u"quite"_s,    u"abra"_s,       u"elija"_s,      u"escriba"_s,
        u"pulse"_s,  u"intente"_s,  u"anada"_s,   u"libere"_s,   u"borre"_s,      u"copie"_s,      u"cambie"_s,
        u"mueva"_s,  u"deje"_s,     u"haga"_s,    u"diga"_s,     u"tenga"_s,      u"vaya"_s,       u"renombre"_s,
        u"mire"_s,   u"use"_s,      u"cree"_s,    u"conecte"_s,  u"seleccione"_s, u"introduzca"_s, u"asegure"_s,
        u"pruebe"_s, u"revise"_s,   u"instale"_s, u"reinicie"_s, u"consulte"_s,   u"avise"_s,      u"lea"_s,
        u"busque"_s, u"recuerde"_s, u"envie"_s,   u"acepte"_s,   u"cancele"_s,    u"disculpe"_s,
    };
    static const QRegularExpression words(QStringLiteral("\\p{L}+"), QRegularExpression::UseUnicodePropertiesOption);
    for (auto match = words.globalMatch(text); match.hasNext();) {
        // Without accents, as the commands are written with a pronoun on.
        QString word = match.next().captured().toLower().normalized(QString::NormalizationForm_D);
        word.remove(QRegularExpression(QStringLiteral("\\p{Mn}"), QRegularExpression::UseUnicodePropertiesOption));
        if (usted.contains(word))
            return true;
        for (const char* pronoun : {"la", "le", "lo", "las", "les", "los", "se"})
            if (word.endsWith(QLatin1String(pronoun)) && usted.contains(word.chopped(qstrlen(pronoun))))
                return true;
    }
    return false;
}

} // namespace

TEST(MessageVoice, TheCheckKnowsBothVoices)
{
    for (const char* usted :
         {"Siga trabajando en esa ventana, o ciérrela y vuelva a abrir el programa.",
          "Cierre el programa y vuelva a abrirlo", "cierre el programa y póngale el nombre",
          "Compruebe Que Se Puede Escribir En Esta Carpeta", "Asegúrese de que el disco tiene sitio"})
        EXPECT_TRUE(speaksWithUsted(QString::fromUtf8(usted))) << usted;
    for (const char* tu :
         {"Sigue trabajando en esa ventana, o ciérrala y vuelve a abrir el programa.",
          "cierra el programa y ponle el nombre", "Comprueba Que Se Puede Escribir En Esta Carpeta",
          "Guárdala desde Access y vuelve a abrir el programa.", "el catálogo necesita guardar los cambios"})
        EXPECT_FALSE(speaksWithUsted(QString::fromUtf8(tu))) << tu;
}

TEST(MessageVoice, EveryTextOfTheProgramSpeaksWithTu)
{
    const QList<Text> texts = programTexts();
    // The listing reaches every layer's messages.
    QStringList all;
    for (const Text& t : texts)
        all << t.text;
    for (const char* known :
         {"No se ha modificado nada.", "Espera a que termine y vuelve a abrir el programa.",
          "Añade Por Lo Menos El Número De La Película Y El Título", "No Se Ha Encontrado Na De Na",
          "Comprueba Que Se Puede Escribir En Esta Carpeta", "Cierra el programa y vuelve a abrirlo"})
        EXPECT_TRUE(all.join(u'\n').contains(QString::fromUtf8(known))) << known;
    EXPECT_GT(texts.size(), 300);
    for (const Text& t : texts)
        EXPECT_FALSE(speaksWithUsted(t.text)) << t.where.toStdString() << ": " << t.text.toStdString();
}
