#pragma once

#include "PortMenu.h"
#include "session/Clock.h"
#include "session/MeterSession.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qx740 {

class ByteSource;
class LcdPanelWidget;
class LimitPanel;
class LinkPicture;
class LogGrid;

// The main window. It lays out the controls, renders the session's models and forwards the
// user's actions, the serial port's bytes and the timers' ticks to the session.
class TFCOMM : public QMainWindow
{
    Q_OBJECT
public:
    // flags: the model flags the window starts with; decimalPoint: the locale's separator.
    TFCOMM(const ModelFlags& flags, const QString& decimalPoint, QWidget* parent = nullptr);
    ~TFCOMM() override;

    MeterSession& session() { return *m_session; }
    PortChoice& portChoice() { return m_portChoice; }
    ByteSource& port() { return *m_port; }

    // Menu and button handlers, named after the control and its event.
    void BTCon1Click();
    void BtDiscon1Click();
    void COMConClick();
    void COM11Click();
    void COM21Click();
    void COM31Click();
    void COM41Click();
    void BitBtn1Click();
    void BtExit1Click();
    void RecordNewClick();
    void btFillClick();
    void FillClick();
    bool isConnected() const { return m_connected; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildClientArea();
    void buildHiddenElements(QWidget* area, const ModelFlags& flags);
    void renderElement(El e);
    void choosePort(int number);
    void setConnectedControls(bool connected);
    void onPortLost(const QString& message);
    void showError(const QString& message);
    bool askQuit();

    SystemClock m_clock;
    std::unique_ptr<MeterSession> m_session;
    std::unique_ptr<ByteSource> m_port;
    PortChoice m_portChoice;
    bool m_connected = false;
    bool m_quitting = false;
    bool m_errorShown = false;

    QTimer m_conTimer, m_recordTimer;

    QAction* m_start = nullptr;
    QAction* m_stop = nullptr;
    QAction* m_fillAction = nullptr;
    QActionGroup* m_limitGroup = nullptr;

    LcdPanelWidget* m_lcd = nullptr;
    LimitPanel* m_limitPanel = nullptr;
    LogGrid* m_grid = nullptr;
    QProgressBar* m_bar = nullptr;
    QCheckBox* m_repeat = nullptr;
    QCheckBox* m_recordSI = nullptr;
    QLineEdit* m_recordSITime = nullptr;
    QCheckBox* m_fill = nullptr;
    QWidget* m_comPanels[4] = {};
    QWidget* m_btCon = nullptr;
    QWidget* m_btDiscon = nullptr;
    QPushButton* m_comCon = nullptr;

    // How a companion widget outside the LCD panel shows its element of the panel model.
    enum class Shows { Caption, UnitCaption, Visibility };
    struct Rendered
    {
        El element;
        QWidget* widget;
        Shows shows;
    };
    // Registers a widget that follows an element, and gives it the element's current state.
    void follow(El e, QWidget* widget, Shows shows);
    std::vector<Rendered> m_rendered;
};

} // namespace qx740
