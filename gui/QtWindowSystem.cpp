#include "QtWindowSystem.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "FormView.h"
#include "FormViews.h"

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer CQtWindowSystem::ShowMessage(const Message& message) {
    const bool question = message.buttons == MessageButtons::YesNo;
    QMessageBox box(ToQt(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, ActiveView());
    const int pressed = box.exec();
    if (!question) {
        return MessageAnswer::Ok;
    }
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

FormResult CQtWindowSystem::RunModal(CForm& form) {
    std::unique_ptr<CFormView> view = MakeFormView(form, ActiveView());
    form.BeginModal();
    view->Refresh();
    openViews_.push_back(view.get());
    QTimer::singleShot(0, view.get(), [this, shown = view.get()] { FormShown(*shown); });
    view->exec();
    openViews_.pop_back();
    // The modal loop can also end without the form (the application quitting).
    if (form.IsOpen()) {
        form.PressCancel();
    }
    return form.Result();
}

void CQtWindowSystem::ShowDocument(const std::string& title, std::string_view markdown) {
    QDialog window(ActiveView());
    window.setWindowTitle(QString::fromStdString(title));
    auto* layout = new QVBoxLayout(&window);
    auto* text = new QTextBrowser(&window);
    text->setObjectName("document");
    text->setOpenExternalLinks(true);
    text->setMarkdown(QString::fromUtf8(markdown.data(), static_cast<qsizetype>(markdown.size())));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for the reference's tables without scrolling sideways.
    const int lineHeight = window.fontMetrics().height();
    window.resize(60 * lineHeight, 45 * lineHeight);
    window.exec();
}

SaveFileAnswer CQtWindowSystem::AskSaveFile(const SaveFileQuestion& question) {
    QStringList filters;
    for (const std::string& filter : question.filters) {
        filters << QString::fromStdString(filter);
    }
    QString selected = filters.isEmpty() ? QString() : filters.front();
    const QString path = QFileDialog::getSaveFileName(
        ActiveView(), QString::fromStdString(question.caption),
        QString::fromStdString(question.proposedName), filters.join(";;"), &selected);
    SaveFileAnswer answer;
    answer.path = path.toStdString();
    answer.filter = std::max(0, static_cast<int>(filters.indexOf(selected)));
    return answer;
}

void CQtWindowSystem::FormShown(CFormView&) {}

QWidget* CQtWindowSystem::ActiveView() const {
    return openViews_.empty() ? nullptr : openViews_.back();
}
