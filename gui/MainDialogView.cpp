#include "MainDialogView.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

#include "WeavePreview.h"

// The menu's keyboard shortcut Ctrl+C, which is also the edit fields' copy key. In a focused edit
// field the field keeps the key and the form decides (CMainDialog::PressCopyKey): a selection is
// copied, otherwise the configuration opens as from the menu. Elsewhere the menu's shortcut
// fires.
class CShortcutPassage : public QObject {
public:
    using CopyKey = std::function<void(QLineEdit&)>;

    CShortcutPassage(QObject* parent, CopyKey copyKey)
        : QObject(parent), copyKey_(std::move(copyKey)) {}

    void Add(const QKeySequence& shortcut) { shortcuts_.push_back(shortcut); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit != nullptr &&
            (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
            auto* key = static_cast<QKeyEvent*>(event);
            const QKeySequence pressed(key->keyCombination());
            if (pressed == kCopyKey && shortcuts_.contains(pressed)) {
                // Accepting the override keeps the key from the menu; the press that follows is
                // the form's.
                event->accept();
                if (event->type() == QEvent::KeyPress) {
                    copyKey_(*edit);
                }
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static inline const QKeySequence kCopyKey{Qt::CTRL | Qt::Key_C};
    CopyKey copyKey_;
    QList<QKeySequence> shortcuts_;
};

namespace {

// The label column of every field grid has this width, so that fields line up across groups.
constexpr int kLabelColumnWidth = 210;

QGridLayout* MakeFieldGrid(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setColumnMinimumWidth(0, kLabelColumnWidth);
    grid->setColumnStretch(3, 1);
    return grid;
}

}  // namespace

CMainDialogView::CMainDialogView(CMainDialog& form, QWidget* parent)
    : CFormView(form, parent), form_(form) {
    auto* passage = new CShortcutPassage(this, [this](QLineEdit& edit) {
        RunCommand(
            [this, selected = edit.selectedText().toStdString()] { form_.PressCopyKey(selected); });
    });
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(MakeMenuBar(*passage));
    layout->addWidget(MakeCaseGroup());
    layout->addWidget(MakeMaterialGroup());
    layout->addWidget(MakeModelPlace());
    layout->addLayout(MakeInputRows());
    layout->addLayout(MakeFormatAndMethodGroups());
    layout->addStretch(1);
    layout->addLayout(
        MakeButtonRow({MakeButton(form_.calculateButton, [this] { form_.Calculate(); }),
                       MakeButton(form_.chartButton, [this] { form_.OpenChart(); }),
                       MakeButton(form_.exitButton, [this] { form_.Exit(); })}));

    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->installEventFilter(passage);
    }
}

QMenuBar* CMainDialogView::MakeMenuBar(CShortcutPassage& passage) {
    auto* menuBar = new QMenuBar(this);
    QMenu* menu = nullptr;
    for (const MenuItem& item : CMainDialog::Menu()) {
        const QString title = QString::fromUtf8(item.menu);
        if (menu == nullptr || menu->title() != title) {
            menu = menuBar->addMenu(title);
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.item));
        if (*item.shortcut != '\0') {
            action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
            passage.Add(action->shortcut());
            addAction(action);
        }
        connect(action, &QAction::triggered, this,
                Command([this, command = item.command] { (form_.*command)(); }));
    }
    return menuBar;
}

QWidget* CMainDialogView::MakeCaseGroup() {
    QGroupBox* group = MakeGroup(form_.caseGroup);
    auto* row = new QHBoxLayout(group);
    std::vector<QAbstractButton*> buttons;
    for (const char* name : {"fabricCase", "randomMatCase", "udCase"}) {
        auto* button = new QPushButton(group);
        button->setObjectName(name);
        button->setAutoDefault(false);
        button->setMinimumHeight(2 * button->fontMetrics().height() + 12);
        row->addWidget(button);
        buttons.push_back(button);
    }
    Bind<CRadioMirror>(form_.CaseButtons(), buttons,
                       std::vector<ViewCommand>{Command([this] { form_.ChooseFabricCase(); }),
                                                Command([this] { form_.ChooseRandomMatCase(); }),
                                                Command([this] { form_.ChooseUDCase(); })});
    return group;
}

QWidget* CMainDialogView::MakeMaterialGroup() {
    QGroupBox* group = MakeGroup(form_.materialGroup);
    group->setObjectName("materialGroup");
    QGridLayout* grid = MakeFieldGrid(group);
    AddFieldRow(grid, 0, form_.resinLabel,
                MakeList(
                    form_.ResinList(), [this] { form_.CloseUpResinList(); }, "resinList"));
    AddFieldRow(grid, 1, form_.fibreLabel,
                MakeList(
                    form_.FibreList(), [this] { form_.CloseUpFibreList(); }, "fibreList"));
    return group;
}

// The weave group (fabric) and the micromechanical group (random mat, UD) occupy the same cell;
// the case layout shows one of them. The place keeps the height of the taller so that the form
// does not jump when the case changes.
QWidget* CMainDialogView::MakeModelPlace() {
    auto* place = new QWidget(this);
    auto* grid = new QGridLayout(place);
    grid->setContentsMargins(0, 0, 0, 0);
    QWidget* weave = MakeWeaveGroup();
    QWidget* micromechanical = MakeMicromechanicalGroup();
    grid->addWidget(weave, 0, 0);
    grid->addWidget(micromechanical, 0, 0);
    place->setMinimumHeight(
        std::max(weave->sizeHint().height(), micromechanical->sizeHint().height()));
    return place;
}

QWidget* CMainDialogView::MakeWeaveGroup() {
    QGroupBox* group = MakeGroup(form_.weaveGroup);
    group->setObjectName("weaveGroup");
    QGridLayout* grid = MakeFieldGrid(group);
    AddFieldRow(grid, 0, form_.weaveLabel,
                MakeList(
                    form_.WeaveList(), [] {}, "weaveList"));
    auto* preview = new CWeavePreview(group);
    Bind<CWeavePreviewMirror>(form_.WeaveList(), preview);
    grid->addWidget(preview, 0, 4, 4, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnMinimumWidth(3, 16);
    AddFieldRow(grid, 1, form_.warpCountLabel,
                MakeNumberField(form_.WarpCountField(), "warpCountField"), &form_.warpCountUnit);
    AddFieldRow(grid, 2, form_.fillCountLabel,
                MakeNumberField(form_.FillCountField(), "fillCountField"), &form_.fillCountUnit);
    AddFieldRow(grid, 3, form_.arealDensityLabel,
                MakeNumberField(form_.ArealDensityField(), "arealDensityField"),
                &form_.arealDensityUnit);
    return group;
}

QWidget* CMainDialogView::MakeMicromechanicalGroup() {
    QGroupBox* group = MakeGroup(form_.micromechanicalGroup);
    group->setObjectName("micromechanicalGroup");
    QGridLayout* grid = MakeFieldGrid(group);
    grid->setAlignment(Qt::AlignTop);
    AddFieldRow(grid, 0, form_.elasticModelLabel,
                MakeList(
                    form_.ElasticModelList(), [] {}, "elasticModelList"));
    AddFieldRow(grid, 1, form_.thermalModelLabel,
                MakeList(
                    form_.ThermalModelList(), [] {}, "thermalModelList"));
    return group;
}

// The inputs below the groups; their grid is indented as far as a group's contents, so that
// every field of the form starts in one column.
QLayout* CMainDialogView::MakeInputRows() {
    auto* grid = MakeFieldGrid(nullptr);
    IndentLikeGroup(grid, findChild<QGroupBox*>("materialGroup"));
    AddFieldRow(grid, 0, form_.fibreVolumeLabel,
                MakeNumberField(form_.FibreVolumeField(), "fibreVolumeField"),
                &form_.fibreVolumeUnit);
    AddFieldRow(grid, 1, form_.warpAngleLabel,
                MakeNumberField(form_.WarpAngleField(), "warpAngleField"), &form_.warpAngleUnit);
    AddFieldRow(grid, 2, form_.fillAngleLabel,
                MakeNumberField(form_.FillAngleField(), "fillAngleField"), &form_.fillAngleUnit);
    AddFieldRow(grid, 3, form_.modelTypeLabel,
                MakeList(
                    form_.ModelTypeList(), [] {}, "modelTypeList"));
    return grid;
}

QLayout* CMainDialogView::MakeFormatAndMethodGroups() {
    auto* row = new QHBoxLayout;
    const auto addRadioGroup = [&](const CLabel& caption, CRadioGroup& radios,
                                   std::vector<ViewCommand> commands) {
        QGroupBox* group = MakeGroup(caption);
        auto* column = new QVBoxLayout(group);
        std::vector<QAbstractButton*> buttons;
        for (int i = 0; i < radios.Count(); ++i) {
            auto* button = new QRadioButton(group);
            column->addWidget(button);
            buttons.push_back(button);
        }
        Bind<CRadioMirror>(radios, buttons, std::move(commands));
        row->addWidget(group, 1);
    };
    addRadioGroup(form_.formatGroup, form_.FormatButtons(),
                  {Command([this] { form_.Choose3DProperties(); }),
                   Command([this] { form_.ChooseABDProperties(); })});
    addRadioGroup(form_.methodGroup, form_.MethodButtons(),
                  {Command([this] { form_.ChooseAverageMethod(); }),
                   Command([this] { form_.ChooseFiniteElementsMethod(); })});
    return row;
}
