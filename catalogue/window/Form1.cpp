#include "Form1.h"
#include "Artwork.h"
#include "EditingCommands.h"
#include "FittedText.h"
#include "MenuShortcuts.h"
#include "MenuTree.h"
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

#include <algorithm>
#include <cstring>

namespace catalogue {

namespace {

const QColor white(255, 255, 255);
const QColor yellow(255, 255, 0);
const QColor green(0, 255, 0);
const QColor olive(192, 192, 0);

struct LabelSpec {
    const char* name;
    const char16_t* caption;
    QRect twips;
    QColor colour = white;
    double pointSize = 0; // 0: the window's own font
    bool bold = false;
    bool centred = false;
    const char16_t* toolTip = nullptr;
};

struct BoxSpec {
    Field field;
    QRect twips;
    const char16_t* toolTip;
    QColor colour = white;
};

struct ButtonSpec {
    int number;
    const char16_t* caption;
    QRect twips;
    const char16_t* toolTip;
};

const LabelSpec labelSpecs[] = {
    {"Label1", u"Número Película", {120, 120, 1335, 255}},
    {"Label2", u"Título Película", {120, 480, 1335, 255}},
    {"Label3", u"Duración Película", {120, 840, 1335, 255}},
    {"Label18", u"Número De Cd's", {3000, 880, 1215, 255}},
    {"Label5", u"Screener DvD-Rip", {120, 1200, 1695, 255}},
    {"Label4", u"Director", {120, 1560, 1335, 255}},
    {"Label14", u"Codec", {4320, 1560, 615, 255}},
    {"Label10", u"Menu Grabación", {6120, 120, 1575, 255}, white, 0, false, true},
    {"Label6", u"Duración Media Por Película", {120, 2160, 3615, 375}, white, 12, true, true},
    {"Label7", u"", {120, 2760, 3615, 495}, green, 24, true, true, u"Duración Media De Películas O Series"},
    {"Label9", u"Duración Total De Películas", {3960, 2160, 3735, 375}, white, 12, true, true},
    {"Label8", u"", {3960, 2760, 3015, 495}, green, 24, true, true, u"Duración Total De Películas O Series"},
    {"Label12", u"D.Visio.", {7155, 2760, 615, 255}, white, 0, false, true},
    {"Label13", u"", {7150, 3000, 615, 255}, white, 0, false, true, u"Días De Visionado Seguidos Para Ver Todas Tus Películas"},
    {"Label11", u"", {7200, 3435, 495, 255}, white, 0, false, true, u"Número De Películas Totales"},
    {"Label15", u"Último Número De Película Añadida", {3900, 3360, 2655, 255}, white, 0, false, true},
    {"Label16", u"", {6600, 3360, 375, 255}, green, 0, false, true, u"Último Número De Película Añadida"},
    {"quebus", u"", {4680, 4200, 375, 255}, yellow},
    {"Label17", u"^Brisvel^ Catálogo Divx", {120, 3880, 3615, 495}, olive, 13.5, false, true},
};

const BoxSpec boxSpecs[] = {
    {Field::Idzefo, {1800, 120, 975, 285}, u"Número De Película (1, 2, 3, 4, 5, Etc...)"},
    {Field::Titulo, {1800, 480, 4095, 285},
     u"Doble Click Y Buscaremos En Google El Título De La Peli Para Buscar Información", yellow},
    {Field::Duracion, {1800, 840, 975, 285},
     u"Duración De Peli O Serie En Formato : hh:mm:ss De Lo Contrario Se Añadirá 01:30:00 Por Defecto"},
    {Field::Tipopeli, {1800, 1200, 2295, 285}, u"Tipo De Película - Screener, DvD-Rip, Etc..."},
    {Field::Director, {1800, 1560, 2295, 285},
     u"Doble Click Y Buscaremos En Google El Director Para Buscar Información Sobre El", yellow},
    {Field::Totalcds, {4320, 840, 375, 285}, u"Número De Cd's De La Película O La Serie"},
    {Field::Codec, {4920, 1560, 975, 285}, u"Codec Utilizado (Divx3.11 - Divx5.02, Etc...)"},
};

const ButtonSpec buttonSpecs[] = {
    {1, u"&Añadir Película", {6120, 600, 1575, 255}, u"Añadir Película A La Base De Datos..."},
    {3, u"&Grabar Película", {6120, 960, 1575, 255}, u"Grabar Película A La Base De Datos"},
    {4, u"&Borrar Película", {6120, 1320, 1575, 255}, u"Borrar Película Mostrada En Pantalla"},
    {2, u"Borrar &Todo", {6120, 1680, 1575, 255}, u"Borrar Toda La Base De Datos De Tus Películas"},
    {5, u"< Direct.", {120, 3360, 735, 255}, nullptr},
    {6, u"> Direct.", {3000, 3360, 735, 255}, nullptr},
};

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

const LabelSpec& labelSpec(const char* name)
{
    return *std::find_if(std::begin(labelSpecs), std::end(labelSpecs),
                         [&](const LabelSpec& layout) { return std::strcmp(layout.name, name) == 0; });
}

} // namespace

Form1::Form1(DataControl& data1, Dialogs& dialogs, const QLocale& locale, QWidget* parent)
    : QMainWindow(parent), data1_(data1), dialogs_(dialogs), locale_(locale)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Dialogs::programTitle);
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
    buildSummaryPanel();
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

    editing_ = new EditingCommands(*this);

    Form_Load();
    run([this] { Form_Initialize(); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form1::~Form1() = default;

void Form1::buildFields()
{
    for (const BoxSpec& layout : boxSpecs) {
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
    for (const ButtonSpec& layout : buttonSpecs) {
        auto* button = new QPushButton(QString::fromUtf16(layout.caption), canvas_);
        button->setObjectName(QStringLiteral("Command%1").arg(layout.number));
        button->setGeometry(pixels(layout.twips));
        if (layout.toolTip)
            button->setToolTip(QString::fromUtf16(layout.toolTip));
        button->setAutoDefault(false);
        commands_[layout.number - 1] = button;
    }
}

void Form1::buildSummaryPanel()
{
    for (const LabelSpec& layout : labelSpecs) {
        auto* label = new QLabel(QString::fromUtf16(layout.caption), canvas_);
        label->setObjectName(QString::fromLatin1(layout.name));
        label->setGeometry(pixels(layout.twips));
        label->setAlignment((layout.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        if (layout.toolTip)
            label->setToolTip(QString::fromUtf16(layout.toolTip));
        label->setFont(labelFont(font(), layout));
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, layout.colour);
        label->setPalette(p);
        labels_[label->objectName()] = label;
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
    image1_->setToolTip(QStringLiteral("^Brisvel^ Logo. Pinchame Para Enviarme Un Correo..."));
    image1_->setScaledContents(true);
    loadArtwork();
    image1_->setPixmap(QPixmap(QString::fromLatin1(kLogoPath)));
    image1_->setCursor(Qt::PointingHandCursor);
}

void Form1::buildMenus()
{
    opciones_ = menuBar()->addMenu(QStringLiteral("Opciones"));
    opciones_->setObjectName(QStringLiteral("opciones"));
    for (const MenuItemSpec& entry : opcionesItems()) {
        QAction* item = opciones_->addAction(QString::fromUtf16(entry.caption));
        item->setObjectName(QString::fromLatin1(entry.name));
        item->setShortcut(QKeySequence(entry.shortcut));
        item->setShortcutContext(Qt::WindowShortcut);
        menuItems_[item->objectName()] = item;
    }
    QAction* activaborra = menuItem(QStringLiteral("activaborra"));
    activaborra->setCheckable(true);
    activaborra->setChecked(false);
    connect(menuItem(QStringLiteral("sale")), &QAction::triggered, this, &Form1::sale_Click);

    QAction* acerquita = menuBar()->addAction(QStringLiteral("Acerca De..."));
    acerquita->setObjectName(QStringLiteral("acerquita"));
    menuItems_[acerquita->objectName()] = acerquita;

    // Menu shortcuts must reach the menu even with the focus in a text box.
    for (BoundBox* box : boxes_)
        box->installEventFilter(new MenuShortcuts(opciones_, box));
}

void Form1::setTabOrder()
{
    const std::array<QWidget*, 13> order{command(2), command(5), command(6), box(Field::Idzefo), box(Field::Titulo),
                                         box(Field::Duracion), box(Field::Tipopeli), box(Field::Director),
                                         box(Field::Totalcds), command(1), command(3), command(4), box(Field::Codec)};
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QPushButton* Form1::command(int number) const
{
    return commands_.at(std::size_t(number - 1));
}

QLabel* Form1::label(const QString& name) const
{
    auto it = labels_.find(name);
    return it == labels_.end() ? nullptr : it->second;
}

QAction* Form1::menuItem(const QString& name) const
{
    auto it = menuItems_.find(name);
    return it == menuItems_.end() ? nullptr : it->second;
}

void Form1::Form_Load()
{
    command(5)->setEnabled(false);
    command(6)->setEnabled(false);
    timer2_->start();
}

void Form1::Form_Initialize()
{
    for (Field f : {Field::Idzefo, Field::Titulo, Field::Duracion, Field::Tipopeli, Field::Director, Field::Totalcds})
        box(f)->setLocked(true);
    command(3)->setEnabled(false);
    command(2)->setEnabled(false);

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
    showSummaryValue("Label7", formatHoursMinutesSeconds(average));
    showSummaryValue("Label8", formatHoursMinutesSeconds(totalSeconds));
    const double days = double(totalSeconds) / 86400.0;
    rs.MoveFirst();
    showSummaryValue("Label11", QString::number(rs.RecordCount()) + QStringLiteral("P."));
    showSummaryValue("Label13", formatDays(days, locale_));
    rs.MoveLast();
    showSummaryValue("Label16", rs.text(Field::Idzefo));
    rs.MoveFirst();
}

void Form1::showSummaryValue(const char* name, const QString& text)
{
    // The panel's labels were sized for counts of four digits; a larger count
    // is shown in a smaller font rather than clipped.
    showFitted(label(QString::fromLatin1(name)), text, labelFont(font(), labelSpec(name)));
}

void Form1::clearSummary()
{
    for (const char* name : {"Label7", "Label8", "Label11", "Label13", "Label16"})
        label(QString::fromLatin1(name))->clear();
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
