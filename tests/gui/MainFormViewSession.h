#pragma once

#include <QDir>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <vector>

#include "MainDialog.h"
#include "RecordingQtWindowSystem.h"

// Base of the Qt Tests that drive the main form's view. Each test works in an empty directory (no
// user file, reports written there) with a recording window system and a main form of its own:
// the test class calls StartSession() from its init() slot and FinishSession(), which fails the
// test when a queued script or answer went unused, from its cleanup() slot.
class CMainFormViewSession : public QObject {
protected:
    void StartSession() {
        workingDirectory_.emplace();
        QVERIFY(workingDirectory_->isValid());
        previousDirectory_ = QDir::currentPath();
        QDir::setCurrent(workingDirectory_->path());
        windowSystem_.emplace();
        form_.emplace(*windowSystem_, "userData.dat");
    }

    void FinishSession() {
        QVERIFY(windowSystem_->AllUsed());
        form_.reset();
        windowSystem_.reset();
        QDir::setCurrent(previousDirectory_);
        workingDirectory_.reset();
    }

    // Runs the main form: the first script acts on its view, the others on the forms it opens,
    // in the order they open.
    FormResult RunMainForm(CRecordingQtWindowSystem::Script script,
                           std::vector<CRecordingQtWindowSystem::Script> opened = {}) {
        windowSystem_->QueueView(std::move(script));
        for (auto& next : opened) {
            windowSystem_->QueueView(std::move(next));
        }
        return windowSystem_->RunModal(*form_);
    }

    // The example fabric's inputs typed into the main form's view: 55 % fibre, 1200 and 1150.5
    // yarns/m, 0.2 kg/m2, the fill yarn at 90 degrees to the warp.
    static void TypeExampleFabric(CFormView& view) {
        user::Type(view, "fibreVolumeField", "55");
        user::Type(view, "warpCountField", "1200");
        user::Type(view, "fillCountField", "1150.5");
        user::Type(view, "arealDensityField", "0.2");
        user::Type(view, "fillAngleField", "90");
    }

    std::optional<QTemporaryDir> workingDirectory_;
    QString previousDirectory_;
    std::optional<CRecordingQtWindowSystem> windowSystem_;
    std::optional<CMainDialog> form_;
};
