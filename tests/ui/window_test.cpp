// The real window, offscreen, fed through a pseudo-terminal as a meter would feed it.
#include "Frames.h"
#include "LcdPanelWidget.h"
#include "LogGrid.h"
#include "TFCOMM.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace qx740;
using namespace qx740::test;

namespace {

// A pseudo-terminal whose slave side the window opens as its serial port.
class Pty
{
public:
    Pty()
    {
        char name[128] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            throw std::runtime_error("openpty");
        // A process the test starts must not hold the line open.
        ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
        ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
        termios t{};
        ::tcgetattr(m_slave, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(m_slave, TCSANOW, &t);
        m_path = QString::fromLocal8Bit(name);
    }
    ~Pty()
    {
        closeMaster();
        if (m_slave >= 0)
            ::close(m_slave);
    }
    const QString& path() const { return m_path; }
    void write(const QByteArray& bytes)
    {
        ASSERT_EQ(::write(m_master, bytes.constData(), size_t(bytes.size())), bytes.size());
    }
    void closeMaster()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }
    // Our own slave descriptor keeps the line up until the window has its own.
    void closeSlave()
    {
        if (m_slave >= 0)
            ::close(m_slave);
        m_slave = -1;
    }

private:
    int m_master = -1, m_slave = -1;
    QString m_path;
};

QString text(QWidget& root, const char* name)
{
    QWidget* w = root.findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w ? w->property("text").toString() : QString();
}

// Runs fn while a watcher answers every message box that opens; returns their texts.
QStringList withMessageBoxes(QMessageBox::StandardButton button, const std::function<void()>& fn)
{
    QStringList texts;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts << box->text();
            box->button(button)->click();
        }
    });
    watcher.start(10);
    fn();
    return texts;
}

void connectTo(TFCOMM& w, const QString& device)
{
    w.portChoice().setExplicitDevice(device);
    w.findChild<QAction*>(QStringLiteral("START1"))->trigger();
}

} // namespace

TEST(Window, PtyBytesBecomeLcdCaptionsVerdictAndGridRows)
{
    Pty pty;
    TFCOMM w(ModelFlags::thisBuild(), QStringLiteral("."));
    w.show();
    connectTo(w, pty.path());
    ASSERT_TRUE(w.isConnected());
    EXPECT_FALSE(w.findChild<QAction*>(QStringLiteral("START1"))->isEnabled());
    EXPECT_TRUE(w.findChild<QAction*>(QStringLiteral("STOP1"))->isEnabled());

    // Split in awkward places, as a serial line delivers it.
    const QByteArray stream = readingFrame(" 123", 2, "25") + readingFrame("4567", 0, "25") +
                              readingFrame(" 0L ", 0, "25");
    pty.write(stream.left(5));
    QTest::qWait(30);
    pty.write(stream.mid(5));

    auto* grid = w.findChild<LogGrid*>(QStringLiteral("DBGrid1"));
    ASSERT_NE(grid, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->rowCount() == 3; }, 5000));

    EXPECT_EQ(grid->cellText(0, 2), QStringLiteral("1.23"));
    EXPECT_EQ(grid->cellText(1, 2), QStringLiteral("4567"));
    EXPECT_EQ(grid->cellText(2, 2), QStringLiteral("0L"));
    EXPECT_EQ(grid->currentRow(), 2); // follows the newest row

    // The last frame on the panel: blank, 0, L, blank.
    EXPECT_EQ(text(w, "LcdDa"), QString());
    EXPECT_EQ(text(w, "LcdDb"), QStringLiteral("0"));
    EXPECT_EQ(text(w, "LcdDc"), QStringLiteral("@"));
    EXPECT_EQ(text(w, "T1VALUE"), QStringLiteral("0L"));
    EXPECT_EQ(text(w, "judge"), QStringLiteral("Fail"));
    EXPECT_EQ(w.findChild<QProgressBar*>(QStringLiteral("PBar2"))->value(), 40);

    w.findChild<QAction*>(QStringLiteral("STOP1"))->trigger();
    EXPECT_FALSE(w.isConnected());
    EXPECT_TRUE(w.findChild<QAction*>(QStringLiteral("STOP1"))->isChecked());
}

TEST(Window, WindowAndCliAgreeOnTheSameBytes)
{
    QByteArray stream;
    const char* const mains[] = {" 123", " 123", "1234", " 0L ", "  45", "9999"};
    for (int i = 0; i < 6; ++i)
        stream += readingFrame(mains[i], i % 3, i < 3 ? "25" : "38");
    stream.insert(20, char(0x55)); // a surplus byte spoils one frame

    Pty pty;
    TFCOMM w(ModelFlags::thisBuild(), QStringLiteral("."));
    w.findChild<QCheckBox*>(QStringLiteral("RepeatSet"))->setChecked(false);
    w.findChild<QLineEdit*>(QStringLiteral("T1HI"))->setText(QStringLiteral("50"));
    connectTo(w, pty.path());
    ASSERT_TRUE(w.isConnected());
    pty.write(stream);

    QTemporaryFile capture;
    ASSERT_TRUE(capture.open());
    capture.write(stream);
    capture.flush();
    QProcess cli;
    cli.start(QStringLiteral(QX740_CLI),
              {QStringLiteral("--replay"), capture.fileName(), QStringLiteral("--no-repeat"),
               QStringLiteral("--high"), QStringLiteral("50")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    QList<QByteArray> rows = cli.readAllStandardOutput().split('\n');
    rows.removeFirst(); // header
    rows.removeAll(QByteArray());
    ASSERT_FALSE(rows.isEmpty());

    auto* grid = w.findChild<LogGrid*>(QStringLiteral("DBGrid1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->rowCount() == rows.size(); }, 5000));
    QTest::qWait(100); // nothing more arrives
    ASSERT_EQ(grid->rowCount(), rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const QList<QByteArray> fields = rows[r].trimmed().split('\t');
        for (int c : {0, 2, 3, 4, 5}) {
            QString shown = grid->cellText(r, c);
            if (shown.trimmed().isEmpty())
                shown = QStringLiteral("NULL");
            EXPECT_EQ(shown, QString::fromUtf8(fields[c])) << "row " << r << " column " << c;
        }
    }
    EXPECT_EQ(text(w, "judge"), QStringLiteral("Fail")); // 9999 > 50
}

TEST(Window, PortErrorsAreReportedAndLeaveTheControlsDisconnected)
{
    TFCOMM w(ModelFlags::thisBuild(), QStringLiteral("."));
    QStringList messages = withMessageBoxes(
        QMessageBox::Ok, [&] { connectTo(w, QStringLiteral("/dev/no-such-serial-port")); });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("/dev/no-such-serial-port")));
    EXPECT_FALSE(w.isConnected());
    EXPECT_TRUE(w.findChild<QAction*>(QStringLiteral("START1"))->isEnabled());

    // The far side vanishes mid-stream: one message, controls back to disconnected, no spin.
    auto pty = std::make_unique<Pty>();
    connectTo(w, pty->path());
    ASSERT_TRUE(w.isConnected());
    pty->write(readingFrame(" 123", 2, "25"));
    messages = withMessageBoxes(QMessageBox::Ok, [&] {
        QTest::qWait(50);
        pty.reset();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isConnected(); }, 3000));
        QTest::qWait(200);
    });
    EXPECT_FALSE(w.isConnected());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("/dev/pts/")));

    // A port that is there again connects.
    Pty again;
    connectTo(w, again.path());
    EXPECT_TRUE(w.isConnected());
}

TEST(Window, StartUpStateTitleAndExits)
{
    struct Case
    {
        ModelFlags flags;
        const char* title;
        int axisMax;
        const char* setmax;
    };
    const Case cases[] = {
        {ModelFlags::thisBuild(), "QX-740 Interface Program Ver:2.02", 4000, "3000"},
        {ModelFlags::none().set(ModelFlag::IFRK424), "RK424 Interface Program _Ver: 1.00", 6000,
         "6000"},
        {ModelFlags::none().set(ModelFlag::IF426), "", 4000, "3000"},
    };
    for (const Case& c : cases) {
        TFCOMM w(c.flags, QStringLiteral("."));
        const QString title = w.windowTitle();
        EXPECT_TRUE(title == QLatin1String(c.title) + QLatin1String("(x64)") ||
                    title == QLatin1String(c.title) + QLatin1String("(x86)"))
            << title.toStdString();
        EXPECT_EQ(w.session().valueAxisMaximum(), c.axisMax);
        EXPECT_EQ(text(w, "Setmax"), QLatin1String(c.setmax));
        EXPECT_EQ(w.centralWidget()->size(), QSize(754, 557));
        for (int i = 0; i < kModelFlagCount; ++i) {
            const auto flag = static_cast<ModelFlag>(i);
            auto* box = w.findChild<QCheckBox*>(ModelFlags::objectName(flag));
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->isChecked(), c.flags.isChecked(flag));
        }
    }

    // Closing with an empty log needs no answer; with rows it asks the Quit question.
    TFCOMM w(ModelFlags::thisBuild(), QStringLiteral("."));
    w.show();
    EXPECT_TRUE(w.close());
    w.show();
    w.session().H415RData(readingFrame(" 123", 2, "25").constData(), 14);
    ASSERT_EQ(w.session().log().size(), 1);
    bool closed = true;
    QStringList asked = withMessageBoxes(QMessageBox::No, [&] { closed = w.close(); });
    EXPECT_FALSE(closed);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0], QStringLiteral("Are you ensure to exit the program?"));
    EXPECT_EQ(w.session().log().size(), 1);

    // Record > New asks what it does, and No keeps the rows.
    asked = withMessageBoxes(QMessageBox::No, [&] { w.RecordNewClick(); });
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0], QStringLiteral("Are you sure to clear the recorded data?"));
    EXPECT_EQ(w.session().log().size(), 1);
    withMessageBoxes(QMessageBox::Yes, [&] { w.RecordNewClick(); });
    EXPECT_EQ(w.session().log().size(), 0);
}

TEST(Window, WheelMovesTheGridSelectionOneRowPerEvent)
{
    TFCOMM w(ModelFlags::thisBuild(), QStringLiteral("."));
    w.show();
    for (int i = 0; i < 20; ++i)
        w.session().H415RData(readingFrame(" 123", 2, "25").constData(), 14);
    auto* grid = w.findChild<LogGrid*>(QStringLiteral("DBGrid1"));
    ASSERT_EQ(grid->currentRow(), 19);

    struct Case
    {
        int delta;
        int expectedRow;
    };
    // Away from the user (positive) goes up one row whatever the distance; 0 or less down.
    const Case cases[] = {{120, 18}, {480, 17}, {-120, 18}, {0, 19}, {15, 18}};
    for (const Case& c : cases) {
        const QPointF pos(50, 50);
        QWheelEvent e(pos, grid->view()->viewport()->mapToGlobal(pos), QPoint(), QPoint(0, c.delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->view()->viewport(), &e);
        QApplication::processEvents();
        EXPECT_EQ(grid->currentRow(), c.expectedRow) << c.delta;
        // The selected row on screen is that row of the log.
        const QModelIndex shown = grid->view()->currentIndex();
        ASSERT_TRUE(shown.isValid());
        EXPECT_EQ(shown.siblingAtColumn(0).data().toString(), grid->cellText(c.expectedRow, 0));
    }
    // Over the scroll bar the wheel moves the current row as well, and only by one.
    const QPointF pos(5, 5);
    QWheelEvent e(pos, grid->scrollBar()->mapToGlobal(pos), QPoint(), QPoint(0, 120), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->scrollBar(), &e);
    QApplication::processEvents();
    EXPECT_EQ(grid->currentRow(), 17);

    // Keys move through the whole log; the window of rows on screen follows.
    grid->view()->setFocus();
    QTest::keyClick(grid->view(), Qt::Key_Home);
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(grid->scrollBar()->value(), 0);
    QTest::keyClick(grid->view(), Qt::Key_PageDown);
    EXPECT_EQ(grid->currentRow(), grid->visibleRows());
    QTest::keyClick(grid->view(), Qt::Key_End);
    EXPECT_EQ(grid->currentRow(), 19);
    EXPECT_EQ(grid->scrollBar()->value(), 20 - grid->visibleRows());
}

TEST(Window, PortPanelsCycleAndTheToggleConnects)
{
    TFCOMM w(ModelFlags::thisBuild(), QStringLiteral("."));
    auto panel = [&](int n) { return w.findChild<QPushButton*>(QStringLiteral("BtCOM%1").arg(n)); };
    // Each click on the shown panel shows the next; four clicks come back to "COM 1".
    const int expectedAfterClick[] = {2, 3, 4, 1};
    for (int step = 0; step < 4; ++step) {
        const int shown = step == 0 ? 1 : expectedAfterClick[step - 1];
        ASSERT_FALSE(panel(shown)->isHidden());
        panel(shown)->click();
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(panel(n)->isHidden(), n != expectedAfterClick[step]) << step << n;
        EXPECT_EQ(w.portChoice().comNumber(), expectedAfterClick[step]);
    }
    EXPECT_EQ(panel(1)->text(), QStringLiteral("COM 1"));

    Pty pty;
    w.portChoice().setExplicitDevice(pty.path());
    auto* toggle = w.findChild<QPushButton*>(QStringLiteral("COMCon"));
    toggle->click();
    EXPECT_TRUE(w.isConnected());
    EXPECT_FALSE(panel(1)->isEnabled()); // no port change while connected
    EXPECT_TRUE(w.findChild<QWidget*>(QStringLiteral("BTCon"))->isHidden());
    EXPECT_FALSE(w.findChild<QWidget*>(QStringLiteral("BtDiscon"))->isHidden());
    toggle->click();
    EXPECT_FALSE(w.isConnected());
    EXPECT_TRUE(panel(1)->isEnabled());
}

TEST(Window, LimitEditsFilterKeysAndRefuseWhatIsNotANumber)
{
    TFCOMM w(ModelFlags::thisBuild(), QStringLiteral("."));
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* high = w.findChild<QLineEdit*>(QStringLiteral("T1HI"));
    auto* low = w.findChild<QLineEdit*>(QStringLiteral("T1LO"));
    high->setFocus();
    high->clear();
    QTest::keyClicks(high, QStringLiteral("12a.5x.3"));
    EXPECT_EQ(high->text(), QStringLiteral("12.53")); // letters and a second point dropped

    // A half-typed "-" is left alone, and leaving the edit restores the last accepted text.
    high->clear();
    QTest::keyClicks(high, QStringLiteral("-"));
    EXPECT_EQ(high->text(), QStringLiteral("-"));
    low->setFocus();
    EXPECT_EQ(high->text(), QStringLiteral("12.53"));

    // A pasted text that is not a number is refused with the message and taken back.
    QStringList messages = withMessageBoxes(QMessageBox::Ok, [&] {
        high->setText(QStringLiteral("1e2e3"));
        QTest::qWait(50);
    });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("Numerical input errors"));
    EXPECT_EQ(high->text(), QStringLiteral("12.53"));
    messages = withMessageBoxes(QMessageBox::Ok, [&] {
        low->setText(QStringLiteral("-999999"));
        QTest::qWait(50);
    });
    EXPECT_EQ(messages.size(), 1);

    // The low edit had accepted nothing yet, so it is empty now and readings are not judged.
    EXPECT_EQ(low->text(), QString());
    w.session().H415RData(readingFrame(" 123", 2, "25").constData(), 14);
    EXPECT_EQ(text(w, "judge"), QString());
    low->setText(QStringLiteral("1"));
    w.session().H415RData(readingFrame(" 123", 2, "25").constData(), 14);
    EXPECT_EQ(text(w, "judge"), QStringLiteral("Pass"));
    EXPECT_EQ(text(w, "T1VALUE"), QStringLiteral("1.23"));
}

TEST(Window, RecordingControlsReachThePolicy)
{
    TFCOMM w(ModelFlags::thisBuild(), QStringLiteral("."));
    w.show();
    auto* interval = w.findChild<QLineEdit*>(QStringLiteral("RecordSITime"));
    interval->setFocus();
    interval->selectAll();
    QTest::keyClicks(interval, QStringLiteral("4x-"));
    EXPECT_EQ(interval->text(), QStringLiteral("4")); // digits only
    EXPECT_EQ(w.session().policy().sampleCountdown(), 4);
    w.findChild<QCheckBox*>(QStringLiteral("RecordSI"))->setChecked(true);
    EXPECT_TRUE(w.session().policy().intervalEnabled());

    for (int i = 0; i < int(std::size(kRecordLimits)); ++i) {
        w.findChild<QAction*>(QString::fromLatin1(kRecordLimits[i].objectName))->trigger();
        EXPECT_EQ(w.session().policy().maxRecords(), kRecordLimits[i].maxRecords);
        for (int k = 0; k < int(std::size(kRecordLimits)); ++k)
            EXPECT_EQ(w.findChild<QAction*>(QString::fromLatin1(kRecordLimits[k].objectName))
                          ->isChecked(),
                      k == i);
    }

    // The Fill box and the Graphic > Fill item stay in step and choose the curve.
    auto* fillBox = w.findChild<QCheckBox*>(QStringLiteral("BtFill"));
    auto* fillItem = w.findChild<QAction*>(QStringLiteral("Fill"));
    fillItem->trigger();
    EXPECT_FALSE(fillBox->isChecked());
    EXPECT_FALSE(fillItem->isChecked());
    EXPECT_EQ(w.session().activeSeries(), 1);
    fillBox->click();
    EXPECT_TRUE(fillItem->isChecked());
    EXPECT_EQ(w.session().activeSeries(), 0);
}

TEST(Window, GridKeepsTheNewestRowOnScreenWhateverItsSize)
{
    ReadingLogTable table;
    for (int i = 1; i <= 30; ++i)
        table.append({i, QStringLiteral("12:00:00"), QStringLiteral("1.23"), QString(), QString(),
                      QString()});
    LogGrid grid;
    grid.setModel(&table); // rows arrive before the grid has its size
    for (const QSize size : {QSize(398, 220), QSize(398, 120), QSize(398, 400)}) {
        grid.resize(size);
        grid.show();
        QApplication::processEvents();
        const QModelIndex shown = grid.view()->currentIndex();
        ASSERT_TRUE(shown.isValid()) << size.height();
        EXPECT_EQ(shown.siblingAtColumn(0).data().toString(), QStringLiteral("30"));
        EXPECT_TRUE(grid.view()->selectionModel()->isRowSelected(shown.row(), {}));
    }
}
