// The program's prompt and message box as the user meets them: Qt's Spanish
// translation loaded the way the program loads it, and a desktop style that
// puts icons on dialog buttons.
#include "QtDialogs.h"
#include "QtTranslation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QProxyStyle>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace catalogue;

namespace {

class ButtonIconsStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// Runs `look` on the next modal dialog once it is shown, then closes it.
void whenModalShown(std::function<void(QWidget*)> look)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, look] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        poll->deleteLater();
        look(dialog);
        dialog->close();
    });
    poll->start(10);
}

struct ButtonLook {
    QStringList texts;
    bool anyIcon = false;
};

ButtonLook buttonsOf(QWidget* dialog)
{
    ButtonLook look;
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        look.texts << button->text();
        look.anyIcon = look.anyIcon || !button->icon().isNull();
    }
    look.texts.sort();
    return look;
}

} // namespace

class SpanishDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setStyle(new ButtonIconsStyle);
        QVERIFY2(installQtSpanishTranslation(), "qtbase_es.qm was not found");
    }

    void thePromptSpeaksSpanish()
    {
        QtDialogs dialogs;
        ButtonLook prompt;
        whenModalShown([&](QWidget* dialog) { prompt = buttonsOf(dialog); });
        QCOMPARE(dialogs.prompt(QStringLiteral("¿Qué Película Buscas?"), QStringLiteral("Buscar Película")),
                 std::nullopt);
        QCOMPARE(prompt.texts, (QStringList{"Aceptar", "Cancelar"}));

        QLineEdit box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList items;
        for (const QAction* action : menu->actions())
            items << action->text().section(u'\t', 0, 0); // without the shortcut
        QVERIFY2(items.contains(QStringLiteral("&Copiar")), qPrintable(items.join(u'|')));
        QVERIFY2(items.contains(QStringLiteral("Seleccionar todo")), qPrintable(items.join(u'|')));
    }

    void theMessageBoxHasOneSpanishButtonWithoutIcon()
    {
        QtDialogs dialogs;
        ButtonLook box;
        whenModalShown([&](QWidget* dialog) { box = buttonsOf(dialog); });
        dialogs.message(QStringLiteral("No Hay Datos..."));
        QCOMPARE(box.texts, QStringList{"Aceptar"});
        QVERIFY(!box.anyIcon);
    }
};

QTEST_MAIN(SpanishDialogsTest)
#include "SpanishDialogsTest.moc"
