// A document shown by the Qt window system: Markdown rendered as formatted text, not as its
// source, in a modal window that its Close button ends.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>

#include "QtWindowSystem.h"

class DocumentWindowTest : public QObject {
    Q_OBJECT

private slots:
    void markdownShowsAsHeadingsAndTables();
};

void DocumentWindowTest::markdownShowsAsHeadingsAndTables() {
    const std::string markdown =
        "# Model reference\n\nE2 = Em / (1 − √(Vf·(1 − Em/Ef2)))\n\n"
        "| Output | Unit |\n|---|---|\n| A | N/m |\n| D | N·m |\n";
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(window != nullptr);
        seen = true;
        QCOMPARE(window->windowTitle(), QString("Model reference"));
        auto* browser = window->findChild<QTextBrowser*>("document");
        QVERIFY(browser != nullptr);
        QVERIFY(browser->isReadOnly());
        const QString shown = browser->document()->toPlainText();
        QVERIFY(shown.startsWith("Model reference"));  // a heading, without its '#'
        QVERIFY(shown.contains(QString::fromUtf8("√(Vf·(1 − Em/Ef2))")));
        QVERIFY(!shown.contains("|---|"));
        const QTextBlock heading = browser->document()->firstBlock();
        QCOMPARE(heading.blockFormat().headingLevel(), 1);
        bool table = false;
        for (QTextFrame* frame : browser->document()->rootFrame()->childFrames()) {
            if (auto* cells = qobject_cast<QTextTable*>(frame)) {
                table = cells->rows() == 3 && cells->columns() == 2;
            }
        }
        QVERIFY(table);
        auto* buttons = window->findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr);
        buttons->button(QDialogButtonBox::Close)->click();
    });
    CQtWindowSystem windowSystem;
    windowSystem.ShowDocument("Model reference", markdown);
    QVERIFY(seen);
}

QTEST_MAIN(DocumentWindowTest)
#include "DocumentWindowTest.moc"
