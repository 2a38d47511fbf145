#include "Form1.h"
#include "Form1Layout.h"
#include "Artwork.h"
#include "Colours.h"
#include "FittedText.h"
#include "MenuShortcuts.h"
#include "Summary.h"
#include "Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <stdexcept>

namespace catalogue {

namespace {

QRect pixels(const QRect& twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

QString colourCss(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QFont labelFont(QFont windowFont, const LabelSpec& layout)
{
    if (layout.pointSize > 0)
        windowFont.setPointSizeF(layout.pointSize);
    windowFont.setBold(layout.bold);
    return windowFont;
}

} // namespace

Form1::Form1(DataControl& data1, Dialogs& dialogs, const QLocale& locale, QWidget* parent)
    : QMainWindow(parent), data1_(data1), dialogs_(dialogs), locale_(locale)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kProgramTitle.toString());
    // The layout was drawn for a small, narrow sans serif; these share its widths.
    QFont windowFont(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                 QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")},
                     -1);
    windowFont.setPointSizeF(8);
    setFont(windowFont);

    canvas_ = new FrameLines(this);
    canvas_->setFixedSize(twipsRect(0, 0, 7800, 4395).size());
    setCentralWidget(canvas_);

    buildFields();
    buildCommandColumn();
    buildLabels();
    buildBottomStrip();
    buildMenus();
    setTabOrder();

    binding_ = new FieldBinding(records(), boxes_, this);
    connect(binding_, &FieldBinding::shown, navigation_, &NavigationBar::updateEnds);
    connect(navigation_, &NavigationBar::moveRequested, this,
            [this](NavigationBar::Step step) { run([&] { NavigationBar::move(records(), step); }); });

    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(10);
    connect(timer2_, &QTimer::timeout, this, &Form1::Timer2_Timer);

    Form_Load();
    run([this] { Form_Initialize(); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form1::~Form1() = default;

void Form1::buildFields()
{
    for (const BoxSpec& layout : kBoxSpecs) {
        auto* box = new BoundBox(layout.field, canvas_);
        box->setGeometry(pixels(layout.twips));
        box->setToolTip(QString::fromUtf16(layout.toolTip));
        box->setStyleSheet(QStringLiteral("QLineEdit { color: %1; background: black; border: 1px solid #808080;"
                                          " selection-background-color: #000080; padding: 0px 1px; }")
                               .arg(colourCss(layout.colour)));
        boxes_[indexOf(layout.field)] = box;
    }
}

void Form1::buildCommandColumn()
{
    for (const ButtonSpec& layout : kButtonSpecs) {
        auto* button = new QPushButton(QString::fromUtf16(layout.caption), canvas_);
        button->setObjectName(QStringLiteral("Command%1").arg(layout.number));
        button->setGeometry(pixels(layout.twips));
        if (layout.toolTip)
            button->setToolTip(QString::fromUtf16(layout.toolTip));
        if (layout.accessibleName)
            button->setAccessibleName(QString::fromUtf16(layout.accessibleName));
        button->setAutoDefault(false);
        commands_[layout.number - 1] = button;
    }
}

void Form1::buildLabels()
{
    std::map<QString, std::pair<QLabel*, QFont>> labels;
    for (const LabelSpec& layout : kLabelSpecs) {
        auto* label = new QLabel(layout.caption.toString(), canvas_);
        label->setObjectName(QString::fromLatin1(layout.name));
        label->setGeometry(pixels(layout.twips));
        label->setAlignment((layout.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        if (layout.toolTip)
            label->setToolTip(QString::fromUtf16(layout.toolTip));
        const QFont labelFontInLayout = labelFont(font(), layout);
        label->setFont(labelFontInLayout);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, layout.colour);
        label->setPalette(p);
        labels[label->objectName()] = {label, labelFontInLayout};
    }
    // The labels the window writes to; a name missing from the layout stops the program here.
    const auto named = [&](const char* name) { return labels.at(QString::fromLatin1(name)).first; };
    label7_ = named("Label7");
    label8_ = named("Label8");
    label11_ = named("Label11");
    label13_ = named("Label13");
    label16_ = named("Label16");
    quebus_ = named("quebus");
    for (const FigureCaption& figure : kFigureCaptions) {
        QLabel* value = named(figure.figure);
        QLabel* caption = figure.caption ? named(figure.caption) : nullptr;
        if (caption)
            caption->setBuddy(value);
        summaryFigures_[value] = {labels.at(value->objectName()).second, caption ? caption->text() : value->toolTip()};
        value->setAccessibleName(summaryFigures_[value].caption);
    }
    // A box is named by the caption beside it, which is also its "labelled by" relation.
    for (const BoxSpec& layout : kBoxSpecs) {
        BoundBox* field = box(layout.field);
        named(layout.label)->setBuddy(field);
        if (layout.accessibleName)
            field->setAccessibleName(QString::fromUtf16(layout.accessibleName));
    }
}

void Form1::buildBottomStrip()
{
    navigation_ = new NavigationBar(records(), canvas_);
    navigation_->setGeometry(twipsRect(3990, 3915, 3015, 420));
    // quebus lies under the navigation bar and is not meant to be read.
    navigation_->raise();

    image1_ = new ClickableLabel(canvas_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(twipsRect(7125, 3840, 615, 510));
    image1_->setAccessibleName(kLogoName.toString());
    image1_->setToolTip(kLogoName.toString() + QStringLiteral(". Pinchame Para Enviarme Un Correo..."));
    image1_->setScaledContents(true);
    loadArtwork();
    image1_->setPixmap(QPixmap(QString::fromLatin1(kLogoPath)));
    image1_->setCursor(Qt::PointingHandCursor);
}

void Form1::buildMenus()
{
    opciones_ = menuBar()->addMenu(QStringLiteral("Opciones"));
    opciones_->setObjectName(QStringLiteral("opciones"));

    acerquita_ = menuBar()->addAction(QStringLiteral("Acerca De..."));
    acerquita_->setObjectName(QStringLiteral("acerquita"));

    // Menu shortcuts must reach the menu even with the focus in a text box.
    for (BoundBox* box : boxes_)
        box->installEventFilter(new MenuShortcuts(opciones_, box));
}

void Form1::buildOpciones(std::vector<OpcionesCommand> commands)
{
    opcionesCommands_ = std::move(commands);
    for (const OpcionesCommand& command : opcionesCommands_) {
        QAction* item = opciones_->addAction(QString::fromUtf16(command.caption));
        item->setObjectName(QString::fromLatin1(command.menuItem));
        item->setShortcut(QKeySequence(command.shortcut));
        item->setShortcutContext(Qt::WindowShortcut);
        connect(item, &QAction::triggered, this, [this, &command] { choose(command); });
    }
    activaborra_ = opciones_->findChild<QAction*>(QStringLiteral("activaborra"), Qt::FindDirectChildrenOnly);
    if (!activaborra_)
        throw std::logic_error("the Opciones menu has no item activaborra");
    activaborra_->setCheckable(true);
    activaborra_->setChecked(false);
}

void Form1::choose(const OpcionesCommand& command)
{
    if (const auto* handler = std::get_if<OpcionesCommand::WindowHandler>(&command.runs)) {
        (this->**handler)();
        return;
    }
    run([&] { std::get<OpcionesCommand::LayerCommand>(command.runs)(*this, command.recordSource); });
}

void Form1::setTabOrder()
{
    const std::array<QWidget*, 13> order{
        Command2(),           Command5(),           Command6(),           box(Field::Idzefo),   box(Field::Titulo),
        box(Field::Duracion), box(Field::Tipopeli), box(Field::Director), box(Field::Totalcds), Command1(),
        Command3(),           Command4(),           box(Field::Codec)};
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form1::Form_Load()
{
    Command5()->setEnabled(false);
    Command6()->setEnabled(false);
    timer2_->start();
}

void Form1::Form_Initialize()
{
    for (Field f : {Field::Idzefo, Field::Titulo, Field::Duracion, Field::Tipopeli, Field::Director, Field::Totalcds})
        box(f)->setLocked(true);
    Command3()->setEnabled(false);
    Command2()->setEnabled(false);

    RecordSet& rs = records();
    if (rs.RecordCount() < 1)
        return;

    const auto pause = binding_->pause();
    rs.MoveFirst();
    std::int64_t films = 0;
    std::int64_t totalSeconds = 0;
    while (!rs.Eof()) {
        ++films;
        const QString runningTime = rs.text(Field::Duracion);
        if (!runningTime.isEmpty())
            totalSeconds += runningTimeSeconds(runningTime);
        rs.MoveNext();
    }
    const std::int64_t average = totalSeconds / films;
    showSummaryValue(label7_, formatHoursMinutesSeconds(average));
    showSummaryValue(label8_, formatHoursMinutesSeconds(totalSeconds));
    const double days = double(totalSeconds) / 86400.0;
    rs.MoveFirst();
    showSummaryValue(label11_, QString::number(rs.RecordCount()) + QStringLiteral("P."));
    showSummaryValue(label13_, formatDays(days, locale_));
    rs.MoveLast();
    showSummaryValue(label16_, rs.text(Field::Idzefo));
    rs.MoveFirst();
}

void Form1::showSummaryValue(QLabel* label, const QString& text)
{
    const SummaryFigure& figure = summaryFigures_.at(label);
    // The panel's labels were sized for counts of four digits; a larger count
    // is shown in a smaller font rather than clipped.
    showFitted(label, text, figure.font);
    label->setAccessibleName(text.isEmpty() ? figure.caption : figure.caption + QStringLiteral(": ") + text);
}

void Form1::clearSummary()
{
    for (QLabel* figure : {label7_, label8_, label11_, label13_, label16_})
        showSummaryValue(figure, {});
}

void Form1::setOpcionesEnabled(bool enabled)
{
    opciones_->setEnabled(enabled);
    for (QAction* item : opciones_->actions())
        item->setEnabled(enabled);
}

void Form1::Timer2_Timer()
{
    const QString line10 = QStringLiteral("Line10");
    int y = canvas_->line(line10).twips.y1();
    if (y > 2040)
        return;
    y += 10;
    if (y == 2040)
        y = 0;
    canvas_->setLineY(line10, y);
}

void Form1::sale_Click()
{
    close();
}

void Form1::runOnClick(QPushButton* button, void (*handler)(Form1&))
{
    connect(button, &QPushButton::clicked, this, [this, handler] { run([&] { handler(*this); }); });
}

Form1::CommandScope::CommandScope(Form1& form) : form_(form)
{
    if (form_.commandDepth_++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

Form1::CommandScope::~CommandScope()
{
    if (--form_.commandDepth_ > 0)
        return;
    QApplication::restoreOverrideCursor();
    if (form_.closeRequested_)
        QTimer::singleShot(0, &form_, &Form1::close);
}

void Form1::requestClose()
{
    if (!commandRunning()) {
        close();
        return;
    }
    closeRequested_ = true;
    answerOpenDialog();
}

void Form1::answerOpenDialog()
{
    if (!commandRunning())
        return;
    if (QWidget* dialog = QApplication::activeModalWidget())
        dialog->close();
    // The command may go on to another message.
    QTimer::singleShot(100, this, &Form1::answerOpenDialog);
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (commandRunning()) {
        closeRequested_ = true;
        event->ignore();
        return;
    }
    closeRequested_ = false;
    // A film being added and not saved is dropped; a codec typed into the shown film is kept.
    run([this] {
        if (records().isAdding())
            records().CancelUpdate();
        else
            binding_->commitEdits();
    });
    event->accept();
    QApplication::quit();
}

} // namespace catalogue
