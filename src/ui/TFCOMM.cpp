#include "TFCOMM.h"

#include "LcdPanelWidget.h"
#include "LinkPicture.h"
#include "SerialPortComm2.h"
#include "shell/Texts.h"
#include "shell/TitleMarker.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace qx740 {

TFCOMM::TFCOMM(const ModelFlags& flags, const QString& decimalPoint, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FCOMM"));
    m_session = std::make_unique<MeterSession>(flags, decimalPoint, m_clock);
    m_port = std::make_unique<SerialPortComm2>();

    QFont windowFont(QStringLiteral("Liberation Sans"));
    windowFont.setPixelSize(11);
    windowFont.setBold(true);
    setFont(windowFont);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    buildMenu();
    buildClientArea();

    connect(m_port.get(), &ByteSource::received, this,
            [this](const char* bytes, qsizetype n) { m_session->receive(bytes, n); });
    connect(m_port.get(), &ByteSource::lost, this, &TFCOMM::onPortLost);
    connect(m_session.get(), &MeterSession::beep, this, [] { QApplication::beep(); });
    connect(m_session.get(), &MeterSession::errorRaised, this, &TFCOMM::showError);

    m_conTimer.setParent(this);
    m_conTimer.setObjectName(QStringLiteral("ConTimer"));
    m_recordTimer.setParent(this);
    m_recordTimer.setObjectName(QStringLiteral("Trecord"));
    connect(&m_conTimer, &QTimer::timeout, m_session.get(), &MeterSession::ConTimerTimer);
    connect(&m_recordTimer, &QTimer::timeout, m_session.get(), &MeterSession::TrecordTimer);
    m_conTimer.start(100);
    m_recordTimer.start(1000);

    setWindowTitle(m_session->windowTitle(titleMarker()));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TFCOMM::~TFCOMM()
{
    m_port->close();
}

void TFCOMM::follow(El e, QWidget* widget, Shows shows)
{
    m_rendered.push_back({e, widget, shows});
    renderElement(e);
}

void TFCOMM::renderElement(El e)
{
    const PanelModel& p = m_session->panel();
    for (const Rendered& r : m_rendered) {
        if (r.element != e)
            continue;
        switch (r.shows) {
        case Shows::Caption:
            r.widget->setProperty("text", p.caption(e));
            break;
        case Shows::UnitCaption:
            r.widget->setProperty("text", LcdPanelWidget::displayUnit(p.caption(e)));
            break;
        case Shows::Visibility:
            r.widget->setVisible(p.isShown(e));
            break;
        }
    }
}

void TFCOMM::choosePort(int number)
{
    for (int i = 0; i < 4; ++i)
        m_comPanels[i]->setVisible(i == number - 1);
    m_portChoice.setComNumber(number);
}

void TFCOMM::COM21Click()
{
    choosePort(2);
}

void TFCOMM::COM31Click()
{
    choosePort(3);
}

void TFCOMM::COM41Click()
{
    choosePort(4);
}

void TFCOMM::COM11Click()
{
    choosePort(1);
}

void TFCOMM::setConnectedControls(bool connected)
{
    m_connected = connected;
    if (connected) {
        m_start->setChecked(true);
        m_start->setEnabled(false);
        m_stop->setEnabled(true);
        m_stop->setChecked(false);
    } else {
        m_start->setChecked(false);
        m_start->setEnabled(true);
        m_stop->setEnabled(false);
        m_stop->setChecked(true);
    }
    m_btCon->setVisible(!connected);
    m_btDiscon->setVisible(connected);
    for (QWidget* panel : m_comPanels)
        panel->setEnabled(!connected);
}

void TFCOMM::BTCon1Click()
{
    if (!m_port->isOpen()) {
        const QStringList present = PortChoice::presentPorts();
        const QString device = m_portChoice.device(present);
        QString error;
        if (device.isEmpty()) {
            error = QStringLiteral("There is no serial port %1 on this machine (%2 found). "
                                   "Choose a port under Connect > Port.")
                        .arg(m_portChoice.describe(present))
                        .arg(present.size());
        } else if (!m_port->open(device, m_session->baudRate(), &error)) {
            // error names the port and the reason
        }
        if (!error.isEmpty()) {
            m_comCon->setChecked(false);
            QMessageBox::critical(this, QString::fromLatin1(texts::kError), error);
            return;
        }
    }
    setConnectedControls(true);
}

void TFCOMM::BtDiscon1Click()
{
    m_port->close();
    setConnectedControls(false);
}

void TFCOMM::COMConClick()
{
    if (m_comCon->isChecked())
        BTCon1Click();
    else
        BtDiscon1Click();
}

void TFCOMM::onPortLost(const QString& message)
{
    BtDiscon1Click();
    m_comCon->setChecked(false);
    QMessageBox::critical(this, QString::fromLatin1(texts::kError), message);
}

void TFCOMM::showError(const QString& message)
{
    // One message at a time: frames keep arriving while it is open.
    if (m_errorShown)
        return;
    m_errorShown = true;
    QMessageBox::critical(this, QString::fromLatin1(texts::kError), message);
    m_errorShown = false;
}

bool TFCOMM::askQuit()
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(texts::kInformation),
                    QString::fromLatin1(texts::kQuitQuestion), QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setObjectName(QStringLiteral("QuitQuestion"));
    return box.exec() == QMessageBox::Yes;
}

void TFCOMM::BitBtn1Click()
{
    if (!askQuit())
        return;
    m_quitting = true;
    close();
}

void TFCOMM::BtExit1Click()
{
    m_quitting = true;
    close();
}

void TFCOMM::closeEvent(QCloseEvent* event)
{
    // Closing through the title bar asks first while there are readings to lose.
    if (!m_quitting && m_session->log().size() > 0 && !askQuit()) {
        event->ignore();
        return;
    }
    m_port->close();
    event->accept();
}

void TFCOMM::RecordNewClick()
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(texts::kInformation),
                    QString::fromLatin1(texts::kClearQuestion), QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setObjectName(QStringLiteral("ClearQuestion"));
    if (box.exec() != QMessageBox::Yes)
        return;
    m_session->clearLog();
}

void TFCOMM::btFillClick()
{
    m_fillAction->setChecked(m_fill->isChecked());
    m_session->setFill(m_fill->isChecked());
    m_session->ShowSeries(m_fill->isChecked() ? 0 : 1);
}

void TFCOMM::FillClick()
{
    m_fill->setChecked(!m_session->fill());
    btFillClick();
}

} // namespace qx740
