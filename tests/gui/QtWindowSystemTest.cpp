// The Qt window system itself: each kind of message as a real QMessageBox, and forms ended by
// their buttons or by the window's close box.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "AboutDialog.h"
#include "RecordingQtWindowSystem.h"

class QtWindowSystemTest : public QObject {
    Q_OBJECT

private slots:
    void messagesShowTheirCaptionIconAndButtons_data();
    void messagesShowTheirCaptionIconAndButtons();
    void formsEndByTheirButtonOrCancelledByTheCloseBox();
    void questionsTakeTheirDefaultButtonAndEscapeCancelsWhereCancelIsOffered();
    void clipboardTextReachesTheSystemClipboard();
};

void QtWindowSystemTest::messagesShowTheirCaptionIconAndButtons_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("question");
    QTest::addColumn<int>("expectedIcon");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("expectedAnswer");
    QTest::newRow("plain OK") << int(MessageIcon::None) << false << int(QMessageBox::NoIcon)
                              << int(QMessageBox::Ok) << int(MessageAnswer::Ok);
    QTest::newRow("information") << int(MessageIcon::Information) << false
                                 << int(QMessageBox::Information) << int(QMessageBox::Ok)
                                 << int(MessageAnswer::Ok);
    QTest::newRow("exclamation") << int(MessageIcon::Exclamation) << false
                                 << int(QMessageBox::Warning) << int(QMessageBox::Ok)
                                 << int(MessageAnswer::Ok);
    QTest::newRow("question, yes")
        << int(MessageIcon::Question) << true << int(QMessageBox::Question) << int(QMessageBox::Yes)
        << int(MessageAnswer::Yes);
    QTest::newRow("question, no") << int(MessageIcon::Question) << true
                                  << int(QMessageBox::Question) << int(QMessageBox::No)
                                  << int(MessageAnswer::No);
}

void QtWindowSystemTest::messagesShowTheirCaptionIconAndButtons() {
    QFETCH(int, icon);
    QFETCH(bool, question);
    QFETCH(int, expectedIcon);
    QFETCH(int, pressed);
    QFETCH(int, expectedAnswer);

    const Message message{"Overwrite?", "EXIT", static_cast<MessageIcon>(icon),
                          question ? MessageButtons::YesNo : MessageButtons::Ok};
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        seen = true;
        QCOMPARE(box->windowTitle(), QString("EXIT"));
        QCOMPARE(box->text(), QString("Overwrite?"));
        QCOMPARE(int(box->icon()), expectedIcon);
        const auto expectedButtons = question ? QMessageBox::Yes | QMessageBox::No
                                              : QMessageBox::StandardButtons(QMessageBox::Ok);
        QCOMPARE(box->standardButtons(), expectedButtons);
        box->button(static_cast<QMessageBox::StandardButton>(pressed))->click();
    });
    CQtWindowSystem windowSystem;
    QCOMPARE(int(windowSystem.ShowMessage(message)), expectedAnswer);
    QVERIFY(seen);
}

void QtWindowSystemTest::formsEndByTheirButtonOrCancelledByTheCloseBox() {
    CRecordingQtWindowSystem windowSystem;
    CAboutDialog about(windowSystem);
    windowSystem.QueueView([](CFormView& view) {
        QCOMPARE(view.windowTitle(), QString("About Plycalc"));
        user::Click(view, "OK");
    });
    QCOMPARE(windowSystem.RunModal(about), FormResult::Accepted);
    windowSystem.QueueView([](CFormView& view) { QVERIFY(view.close()); });
    QCOMPARE(windowSystem.RunModal(about), FormResult::Cancelled);
    QVERIFY(!about.IsOpen());
}

void QtWindowSystemTest::questionsTakeTheirDefaultButtonAndEscapeCancelsWhereCancelIsOffered() {
    CQtWindowSystem windowSystem;
    struct Row {
        MessageButtons buttons;
        std::optional<MessageAnswer> defaultButton;
        QMessageBox::StandardButton expectedDefault;
        std::function<void(QMessageBox&)> act;
        MessageAnswer expected;
    };
    const auto escape = [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); };
    const auto enter = [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); };
    const Row rows[] = {
        {MessageButtons::YesNoCancel, MessageAnswer::No, QMessageBox::No, escape,
         MessageAnswer::Cancel},
        {MessageButtons::YesNoCancel, MessageAnswer::No, QMessageBox::No, enter, MessageAnswer::No},
        {MessageButtons::YesNoCancel, std::nullopt, QMessageBox::Yes, enter, MessageAnswer::Yes},
        {MessageButtons::YesNo, MessageAnswer::No, QMessageBox::No, enter, MessageAnswer::No},
        {MessageButtons::YesNo, std::nullopt, QMessageBox::Yes, escape, MessageAnswer::No},
    };
    for (const Row& row : rows) {
        Message message{"Overwrite?", "EXIT", MessageIcon::Question, row.buttons};
        message.defaultButton = row.defaultButton;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seen = true;
            const bool cancel = row.buttons == MessageButtons::YesNoCancel;
            QCOMPARE(box->standardButtons(),
                     QMessageBox::Yes | QMessageBox::No |
                         (cancel ? QMessageBox::Cancel : QMessageBox::NoButton));
            // Without a default of its own the box leaves Enter to its first button, Yes.
            if (row.defaultButton) {
                QCOMPARE(box->defaultButton(), box->button(row.expectedDefault));
            }
            row.act(*box);
        });
        QCOMPARE(int(windowSystem.ShowMessage(message)), int(row.expected));
        QVERIFY(seen);
    }
}

void QtWindowSystemTest::clipboardTextReachesTheSystemClipboard() {
    CQtWindowSystem windowSystem;
    windowSystem.SetClipboardText("Ex\tGPa\t44.7262\nν xy\t\t0.268104\n");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("Ex\tGPa\t44.7262\nν xy\t\t0.268104\n"));
}

QTEST_MAIN(QtWindowSystemTest)
#include "QtWindowSystemTest.moc"
