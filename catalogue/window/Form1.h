#pragma once
// The main window: seven boxes bound to the current film, the command column,
// the summary panel, the navigation bar and the "Opciones" menu. Commands of
// other layers attach to its controls by name.
#include "BoundBox.h"
#include "ClickableLabel.h"
#include "CommandRunner.h"
#include "DataControl.h"
#include "Dialogs.h"
#include "FieldBinding.h"
#include "FrameLines.h"
#include "NavigationBar.h"

#include <QLocale>
#include <QMainWindow>

#include <array>
#include <map>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace catalogue {

class EditingCommands;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1(DataControl& data1, Dialogs& dialogs, const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);
    ~Form1() override;

    DataControl& Data1() const { return data1_; }
    RecordSet& records() const { return data1_.Recordset(); }
    Dialogs& dialogs() const { return dialogs_; }
    FieldBinding& binding() const { return *binding_; }
    const QLocale& locale() const { return locale_; }

    BoundBox* box(Field f) const { return boxes_[indexOf(f)]; }
    // Command1 to Command6.
    QPushButton* command(int number) const;
    // Label1 to Label18 and quebus.
    QLabel* label(const QString& name) const;
    QLabel* quebus() const { return label(QStringLiteral("quebus")); }
    // An item of "Opciones" by name, or "acerquita".
    QAction* menuItem(const QString& name) const;
    QMenu* opciones() const { return opciones_; }
    NavigationBar* navigationBar() const { return navigation_; }
    ClickableLabel* Image1() const { return image1_; }
    FrameLines* frameLines() const { return canvas_; }
    QTimer* Timer2() const { return timer2_; }
    EditingCommands& editing() const { return *editing_; }

    // Locks a to f, disables saving and clearing, and recomputes the summary over every film.
    void Form_Initialize();
    // Empties the five value labels of the summary.
    void clearSummary();
    // The "Opciones" menu with every item and its shortcut.
    void setOpcionesEnabled(bool enabled);
    // One tick of the sweeping line.
    void Timer2_Timer();

    // Runs one command: the busy cursor is up while it works, a store
    // failure is told to the user, and a close asked for meanwhile waits
    // until the command is over.
    template <typename F>
    void run(F&& command)
    {
        const CommandScope scope(*this);
        runCommand(dialogs_, std::forward<F>(command));
    }
    bool commandRunning() const { return commandDepth_ > 0; }
    // Closes the window as "Salir" does; asked while a command runs, the
    // message or prompt it waits on is answered with OK or Cancel and the
    // window closes when the command is over.
    void requestClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class CommandScope {
    public:
        explicit CommandScope(Form1& form);
        ~CommandScope();
        CommandScope(const CommandScope&) = delete;

    private:
        Form1& form_;
    };

    void answerOpenDialog();
    void buildFields();
    void buildCommandColumn();
    void buildSummaryPanel();
    void buildBottomStrip();
    void buildMenus();
    void setTabOrder();
    void Form_Load();
    void showSummaryValue(const char* name, const QString& text);
    void sale_Click();

    DataControl& data1_;
    Dialogs& dialogs_;
    QLocale locale_;
    FrameLines* canvas_ = nullptr;
    std::array<BoundBox*, fieldCount> boxes_{};
    std::array<QPushButton*, 6> commands_{};
    std::map<QString, QLabel*> labels_;
    std::map<QString, QAction*> menuItems_;
    QMenu* opciones_ = nullptr;
    NavigationBar* navigation_ = nullptr;
    ClickableLabel* image1_ = nullptr;
    QTimer* timer2_ = nullptr;
    FieldBinding* binding_ = nullptr;
    EditingCommands* editing_ = nullptr;
    int commandDepth_ = 0;
    bool closeRequested_ = false;
};

} // namespace catalogue
