// The window's controls: menu, client area and the elements the user never sees.
#include "TFCOMM.h"

#include "LcdPanelWidget.h"
#include "LimitPanel.h"
#include "LinkPicture.h"
#include "LogGrid.h"
#include "SerialPortComm2.h"
#include "shell/Texts.h"
#include "shell/TitleMarker.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

namespace qx740 {

namespace {
constexpr int kClientWidth = 754;
constexpr int kClientHeight = 557;
// Elements that the user never sees lie beyond the client area's right edge.
constexpr int kOutside = 800;

QFont makeFont(const char* family, int px, bool bold = false, bool italic = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

template <typename W> W* named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QToolButton* toolButton(QWidget* parent, const char* name, const char* hint, QRect r,
                        QStyle::StandardPixmap icon)
{
    auto* b = named(new QToolButton(parent), name);
    b->setGeometry(r);
    b->setToolTip(QString::fromLatin1(hint));
    b->setIcon(parent->style()->standardIcon(icon));
    b->setAutoRaise(true);
    return b;
}

// A panel used as a button, as the hidden connection controls are drawn.
QPushButton* panelButton(QWidget* parent, const char* name, const char* caption, QRect r,
                         const QFont& f, const QColor& bg, const QColor& fg)
{
    auto* b = named(new QPushButton(QString::fromLatin1(caption), parent), name);
    b->setGeometry(r);
    b->setFont(f);
    b->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: %2; }").arg(bg.name(), fg.name()));
    return b;
}
} // namespace

void TFCOMM::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* connectMenu = named(bar->addMenu(QStringLiteral("Connect")), "Connect1");
    m_start = named(connectMenu->addAction(QStringLiteral("START")), "START1");
    m_stop = named(connectMenu->addAction(QStringLiteral("STOP")), "STOP1");
    m_start->setCheckable(true);
    m_stop->setCheckable(true);
    m_stop->setEnabled(false);
    connect(m_start, &QAction::triggered, this, [this] {
        m_start->setChecked(m_connected); // the sequence decides the check mark
        BTCon1Click();
    });
    connect(m_stop, &QAction::triggered, this, [this] { BtDiscon1Click(); });
    connectMenu->addSeparator();
    auto* ports = new PortMenu(m_portChoice, this);
    connectMenu->addMenu(ports);
    connect(ports, &PortMenu::deviceChosen, this,
            [this](const QString& device) { m_portChoice.setExplicitDevice(device); });
    connect(connectMenu, &QMenu::aboutToShow, this,
            [this, ports] { ports->menuAction()->setEnabled(!m_connected); });

    QMenu* graphic = named(bar->addMenu(QStringLiteral("Graphic")), "Graphic");
    for (const char* item : {"First", "Previous", "Next", "Last"})
        named(graphic->addAction(QString::fromLatin1(item)), item)->setEnabled(false);
    named(graphic->addSeparator(), "N1");
    connect(named(graphic->addAction(QStringLiteral("New")), "New"), &QAction::triggered, this,
            [this] { m_session->chartReset(); });
    named(graphic->addAction(QStringLiteral("Save")), "Save")->setEnabled(false);
    named(graphic->addSeparator(), "N2");
    m_fillAction = named(graphic->addAction(QStringLiteral("Fill")), "Fill");
    m_fillAction->setCheckable(true);
    m_fillAction->setChecked(true);
    connect(m_fillAction, &QAction::triggered, this, [this] { FillClick(); });

    QMenu* record = named(bar->addMenu(QStringLiteral("Record")), "Record1");
    connect(named(record->addAction(QStringLiteral("New")), "New1"), &QAction::triggered, this,
            &TFCOMM::RecordNewClick);
    named(record->addAction(QStringLiteral("Save")), "Save1")->setEnabled(false);
    named(record->addSeparator(), "N3");
    m_limitGroup = new QActionGroup(this);
    for (int i = 0; i < int(std::size(kRecordLimits)); ++i) {
        QAction* a = named(record->addAction(QString::fromLatin1(kRecordLimits[i].caption)),
                           kRecordLimits[i].objectName);
        a->setCheckable(true);
        a->setChecked(i == kDefaultRecordLimitIndex);
        m_limitGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { m_session->chooseRecordLimit(i); });
    }
}

void TFCOMM::buildClientArea()
{
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ClientArea"));
    area->setFixedSize(kClientWidth, kClientHeight);
    area->setAutoFillBackground(true);
    setCentralWidget(area);
    MeterSession& s = *m_session;

    auto* usb = named(new QPushButton(QStringLiteral("USB Connect"), area), "USBCon");
    usb->setGeometry(20, 6, 125, 25);
    usb->setCheckable(true);
    usb->setEnabled(false);
    usb->setToolTip(QStringLiteral("The USB interface cable is not supported yet"));

    auto* quit = named(new QPushButton(QStringLiteral("Quit"), area), "BitBtn1");
    quit->setGeometry(654, 6, 75, 25);
    quit->setFont(makeFont("Arial", 14, true, true));
    connect(quit, &QPushButton::clicked, this, &TFCOMM::BitBtn1Click);

    m_lcd = new LcdPanelWidget(s.panel(), area);
    m_lcd->move(3, 40);

    m_bar = named(new QProgressBar(area), "PBar2");
    m_bar->setGeometry(3, 297, 398, 12);
    m_bar->setRange(PanelModel::kBarMinimum, PanelModel::kBarMaximum);
    m_bar->setValue(s.panel().barPosition());
    m_bar->setTextVisible(false);
    connect(&s.panel(), &PanelModel::barChanged, m_bar, &QProgressBar::setValue);

    m_repeat = named(new QCheckBox(QStringLiteral("Repeat"), area), "RepeatSet");
    m_repeat->setGeometry(3, 312, 70, 20);
    m_repeat->setFont(makeFont("Arial", 11));
    m_repeat->setToolTip(QStringLiteral("Repeage Record"));
    m_repeat->setChecked(s.policy().repeat());
    connect(m_repeat, &QCheckBox::toggled, this,
            [this](bool on) { m_session->policy().setRepeat(on); });

    m_recordSI = named(new QCheckBox(QStringLiteral("Sampling Interval                 'S"), area),
                       "RecordSI");
    m_recordSI->setGeometry(81, 312, 176, 20);
    m_recordSI->setFont(makeFont("Arial", 11));
    connect(m_recordSI, &QCheckBox::toggled, this,
            [this](bool on) { m_session->policy().setIntervalEnabled(on); });

    m_recordSITime = named(new QLineEdit(s.policy().intervalText(), area), "RecordSITime");
    m_recordSITime->setGeometry(191, 312, 27, 21);
    m_recordSITime->setStyleSheet(QStringLiteral("QLineEdit { background: #C0C0C0; }"));
    // Digits only, typed or pasted (a pasted text with anything else is refused whole), and
    // no more than a whole number holds: the conversion can then never fail on every reading.
    m_recordSITime->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), this));
    connect(m_recordSITime, &QLineEdit::textChanged, this, [this](const QString& t) {
        const QString error = m_session->policy().intervalTextChanged(t);
        if (!error.isEmpty())
            showError(error);
    });

    auto* recordNew = toolButton(area, "RecordNew", "Close Data", {296, 312, 25, 21},
                                 QStyle::SP_DialogDiscardButton);
    connect(recordNew, &QToolButton::clicked, this, &TFCOMM::RecordNewClick);
    toolButton(area, "OpenDataFiles", "Open old data files", {318, 312, 27, 21},
               QStyle::SP_DialogOpenButton)
        ->setEnabled(false);
    toolButton(area, "saveas", "Save data files", {340, 312, 23, 21}, QStyle::SP_DialogSaveButton)
        ->setEnabled(false);
    toolButton(area, "BtPrint", "Print", {363, 312, 31, 21}, QStyle::SP_FileDialogDetailedView)
        ->setEnabled(false);

    m_grid = new LogGrid(area);
    m_grid->setGeometry(3, 336, 398, 220);
    m_grid->setModel(&s.log());

    m_limitPanel = new LimitPanel(s.limits(), s.panel(), area);
    m_limitPanel->setGeometry(402, 41, 351, 116);

    auto* tools = named(new QFrame(area), "TntPanel1");
    tools->setGeometry(403, 159, 351, 41);
    tools->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_fill = named(new QCheckBox(QStringLiteral("Fill"), tools), "BtFill");
    m_fill->setGeometry(13, 12, 45, 20);
    m_fill->setToolTip(QStringLiteral("Graphic Fill"));
    m_fill->setChecked(true);
    connect(m_fill, &QCheckBox::clicked, this, &TFCOMM::btFillClick);
    auto* pageSize = named(new QLineEdit(QStringLiteral("100"), tools), "Maxrecord");
    pageSize->setGeometry(64, 12, 65, 21);
    pageSize->setEnabled(false);
    toolButton(tools, "BtSave", "Save", {133, 12, 23, 22}, QStyle::SP_DialogSaveButton)
        ->setEnabled(false);
    toolButton(tools, "BtFirst", "First", {168, 12, 23, 22}, QStyle::SP_MediaSkipBackward)
        ->setEnabled(false);
    toolButton(tools, "BTPrevious", "Previous", {195, 12, 23, 22}, QStyle::SP_MediaSeekBackward)
        ->setEnabled(false);
    auto* bt10 = named(new QPushButton(tools), "Bt10");
    bt10->setGeometry(219, 12, 46, 22);
    bt10->setToolTip(QStringLiteral("Page No."));
    bt10->setFlat(true);
    bt10->setStyleSheet(QStringLiteral("QPushButton { color: blue; }"));
    follow(El::Bt10, bt10, Shows::Caption);
    toolButton(tools, "BtNext", "Next", {267, 12, 23, 22}, QStyle::SP_MediaSeekForward)
        ->setEnabled(false);
    toolButton(tools, "BTlast", "last", {291, 12, 23, 22}, QStyle::SP_MediaSkipForward)
        ->setEnabled(false);
    toolButton(tools, "TbFd", "Graphic Enlarge", {321, 14, 23, 22}, QStyle::SP_TitleBarMaxButton)
        ->setEnabled(false);

    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(1, 0, 1, 1));
    auto* line = new QLineSeries;
    auto* upper = new QLineSeries;
    auto* areaSeries = new QAreaSeries(upper);
    areaSeries->setName(QStringLiteral("Series2"));
    line->setName(QStringLiteral("Series1"));
    chart->addSeries(areaSeries);
    chart->addSeries(line);
    auto* axisX = new QValueAxis;
    axisX->setTitleText(QStringLiteral("Record Number"));
    axisX->setRange(1, 100);
    axisX->setLabelFormat(QStringLiteral("%d"));
    auto* axisY = new QValueAxis;
    axisY->setTitleText(QStringLiteral("Value"));
    axisY->setRange(s.valueAxisMinimum(), s.valueAxisMaximum());
    axisY->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    QFont small = makeFont("Arial", 9);
    axisX->setLabelsFont(small);
    axisY->setLabelsFont(small);
    axisX->setTitleFont(small);
    axisY->setTitleFont(small);
    auto* view = named(new QChartView(chart, area), "Chtshow");
    view->setGeometry(400, 200, 353, 356);
    view->setBackgroundBrush(QColor(192, 221, 248));

    buildHiddenElements(area, ModelFlags::none());
    connect(&s.panel(), &PanelModel::elementChanged, this, &TFCOMM::renderElement);
}

void TFCOMM::buildHiddenElements(QWidget* area, const ModelFlags&)
{
    MeterSession& s = *m_session;
    const QFont comFont = makeFont("Arial", 16, true);
    const char* const comNames[4] = {"BtCOM1", "BtCOM2", "BtCOM3", "BtCOM4"};
    for (int i = 0; i < 4; ++i) {
        m_comPanels[i] = panelButton(area, comNames[i], "", {kOutside, 0, 61, 24}, comFont,
                                     QColor(192, 192, 192), Qt::black);
        static_cast<QPushButton*>(m_comPanels[i])->setText(QStringLiteral("COM %1").arg(i + 1));
        m_comPanels[i]->setVisible(i == 0);
        connect(static_cast<QPushButton*>(m_comPanels[i]), &QPushButton::clicked, this, [this, i] {
            // A click on the shown panel chooses the next port, 4 wrapping to 1.
            switch (i) {
            case 0:
                COM21Click();
                break;
            case 1:
                COM31Click();
                break;
            case 2:
                COM41Click();
                break;
            default:
                COM11Click();
                break;
            }
        });
    }
    const QColor blue(0, 128, 255);
    m_btCon = panelButton(area, "BTCon", "Connect", {kOutside, 30, 105, 26},
                          makeFont("Arial", 19, true, true), blue, Qt::yellow);
    m_btDiscon = panelButton(area, "BtDiscon", "Disconnect", {kOutside, 30, 105, 26},
                             makeFont("Arial", 16, true, true), blue, Qt::yellow);
    m_btDiscon->hide();
    connect(static_cast<QPushButton*>(m_btCon), &QPushButton::clicked, this, &TFCOMM::BTCon1Click);
    connect(static_cast<QPushButton*>(m_btDiscon), &QPushButton::clicked, this,
            &TFCOMM::BtDiscon1Click);
    m_comCon = named(new QPushButton(QStringLiteral("COM Connect"), area), "COMCon");
    m_comCon->setGeometry(kOutside, 60, 94, 25);
    m_comCon->setFont(makeFont("Arial", 13, true));
    m_comCon->setCheckable(true);
    connect(m_comCon, &QPushButton::clicked, this, &TFCOMM::COMConClick);

    auto* exitPanel = panelButton(area, "BtExit", "Exit", {kOutside, 90, 105, 26},
                                  makeFont("Arial", 19, true, true), blue, Qt::yellow);
    connect(exitPanel, &QPushButton::clicked, this, &TFCOMM::BtExit1Click);

    for (auto [e, lit] : {std::pair{El::CONok, true}, std::pair{El::CONokN, false}}) {
        auto* picture = new LinkPicture(lit, area);
        picture->setObjectName(elementName(e));
        picture->move(kOutside, 120);
        follow(e, picture, Shows::Visibility);
    }

    for (int i = 0; i < kModelFlagCount; ++i) {
        const auto flag = static_cast<ModelFlag>(i);
        auto* box = new QCheckBox(ModelFlags::caption(flag), area);
        box->setObjectName(ModelFlags::objectName(flag));
        box->setChecked(s.startup().flags.isChecked(flag));
        box->setEnabled(false);
        box->setGeometry(kOutside, 150 + 20 * i, 80, 20);
        box->hide();
    }

    auto* setMaxB = named(new QCheckBox(QStringLiteral("SetMax:"), area), "SetMaxB");
    auto* setMinB = named(new QCheckBox(QStringLiteral("SetMin: "), area), "SetMinB");
    setMaxB->move(kOutside, 420);
    setMinB->move(kOutside, 445);
    auto alarmChecks = [this, setMaxB, setMinB] {
        m_session->setAlarmChecks(setMaxB->isChecked(), setMinB->isChecked());
    };
    connect(setMaxB, &QCheckBox::toggled, this, alarmChecks);
    connect(setMinB, &QCheckBox::toggled, this, alarmChecks);
    auto* signedDigits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+0-9]*")), this);
    for (auto [e, y] : {std::pair{El::Setmax, 420}, std::pair{El::SetMin, 445}}) {
        auto* edit = new QLineEdit(area);
        edit->setObjectName(elementName(e));
        edit->move(kOutside + 80, y);
        edit->setValidator(signedDigits);
        follow(e, edit, Shows::Caption);
    }

    auto* panel3 = named(new QFrame(area), "Panel3");
    panel3->setGeometry(99, 543, 398, 32);
    panel3->hide();
    const struct
    {
        El element;
        int x;
        QFont font;
        Shows shows;
    } strip[] = {
        {El::Label11, 16, makeFont("Liberation Sans", 12, true), Shows::Caption},
        {El::MinText, 64, makeFont("Arial", 14, false, true), Shows::Caption},
        {El::MinTextU, 112, makeFont("Arial", 14), Shows::UnitCaption},
        {El::Label12, 217, makeFont("Liberation Sans", 12, true), Shows::Caption},
        {El::MaxText, 265, makeFont("Arial", 14, false, true), Shows::Caption},
        {El::MaxTextU, 313, makeFont("Arial", 14), Shows::UnitCaption},
    };
    for (const auto& item : strip) {
        auto* label = new QLabel(panel3);
        label->setObjectName(elementName(item.element));
        label->move(item.x, 10);
        label->setFont(item.font);
        follow(item.element, label, item.shows);
    }

    auto* kd = named(new QFrame(area), "KD");
    kd->setGeometry(kOutside, 480, 160, 60);
    auto* oltext = named(new QLabel(s.panel().caption(El::oltext), kd), "oltext");
    oltext->setFont(makeFont("Arial", 35, true));
    oltext->setStyleSheet(QStringLiteral("QLabel { color: white; background: gray; }"));
    follow(El::oltext, oltext, Shows::Visibility);
}

} // namespace qx740
