#pragma once
// The main window: seven boxes bound to the current film, the command column,
// the summary panel, the navigation bar and the "Opciones" menu. The commands
// of every layer are attached by the program's wiring, through the named
// controls below; the controls keep their names as objects for Qt and tests.
#include "BoundBox.h"
#include "ClickableLabel.h"
#include "CommandRunner.h"
#include "DataControl.h"
#include "Dialogs.h"
#include "FieldBinding.h"
#include "FrameLines.h"
#include "NavigationBar.h"
#include "OpcionesCommand.h"

#include <QLocale>
#include <QMainWindow>

#include <array>
#include <map>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace catalogue {

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

    // The boxes a to g.
    BoundBox* box(Field f) const { return boxes_[indexOf(f)]; }
    QPushButton* Command1() const { return commands_[0]; } // "&Añadir Película"
    QPushButton* Command2() const { return commands_[1]; } // "Borrar &Todo"
    QPushButton* Command3() const { return commands_[2]; } // "&Grabar Película"
    QPushButton* Command4() const { return commands_[3]; } // "&Borrar Película"
    QPushButton* Command5() const { return commands_[4]; } // "< Direct."
    QPushButton* Command6() const { return commands_[5]; } // "> Direct."
    // The summary panel's figures: average and total running time, films, viewing days, last number.
    QLabel* Label7() const { return label7_; }
    QLabel* Label8() const { return label8_; }
    QLabel* Label11() const { return label11_; }
    QLabel* Label13() const { return label13_; }
    QLabel* Label16() const { return label16_; }
    // The director of the last successful director search, under the navigation bar.
    QLabel* quebus() const { return quebus_; }
    QMenu* opciones() const { return opciones_; }
    // The item of "Opciones" that arms "Borrar &Todo"; it shows a check while armed.
    QAction* activaborra() const { return activaborra_; }
    // "Acerca De...", on the menu bar itself.
    QAction* acerquita() const { return acerquita_; }
    NavigationBar* navigationBar() const { return navigation_; }
    ClickableLabel* Image1() const { return image1_; }
    FrameLines* frameLines() const { return canvas_; }
    QTimer* Timer2() const { return timer2_; }

    // Fills "Opciones" with one item per command, in order, each running its
    // command when chosen. Called once, by the program's wiring.
    void buildOpciones(std::vector<OpcionesCommand> commands);

    // Locks a to f, disables saving and clearing, and recomputes the summary over every film.
    void Form_Initialize();
    // Empties the five value labels of the summary.
    void clearSummary();
    // The "Opciones" menu with every item and its shortcut.
    void setOpcionesEnabled(bool enabled);
    // One tick of the sweeping line.
    void Timer2_Timer();
    // "Salir": closes the window, which ends the program.
    void sale_Click();

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
    // Runs `handler` as one command whenever `button` is clicked.
    void runOnClick(QPushButton* button, void (*handler)(Form1&));
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
    void choose(const OpcionesCommand& command);
    void buildFields();
    void buildCommandColumn();
    // Every label: the boxes' captions, the summary panel and the title.
    void buildLabels();
    void buildBottomStrip();
    void buildMenus();
    void setTabOrder();
    void Form_Load();
    void showSummaryValue(QLabel* label, const QString& text);

    DataControl& data1_;
    Dialogs& dialogs_;
    QLocale locale_;
    FrameLines* canvas_ = nullptr;
    std::array<BoundBox*, fieldCount> boxes_{};
    std::array<QPushButton*, 6> commands_{};
    QLabel* label7_ = nullptr;
    QLabel* label8_ = nullptr;
    QLabel* label11_ = nullptr;
    QLabel* label13_ = nullptr;
    QLabel* label16_ = nullptr;
    QLabel* quebus_ = nullptr;
    struct SummaryFigure {
        QFont font;      // the font it is shown in when it fits
        QString caption; // read before it by screen readers
    };
    std::map<const QLabel*, SummaryFigure> summaryFigures_;
    QMenu* opciones_ = nullptr;
    std::vector<OpcionesCommand> opcionesCommands_;
    QAction* activaborra_ = nullptr;
    QAction* acerquita_ = nullptr;
    NavigationBar* navigation_ = nullptr;
    ClickableLabel* image1_ = nullptr;
    QTimer* timer2_ = nullptr;
    FieldBinding* binding_ = nullptr;
    int commandDepth_ = 0;
    bool closeRequested_ = false;
};

} // namespace catalogue
