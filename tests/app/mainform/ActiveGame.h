#pragma once

// The main window over a folder of its own with the given settings file,
// shown and active as the player finds it, with its clock running.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/TActiveFormTracker.h"
#include "app/TMainForm.h"
#include "app/mainform/AppFakes.h"

namespace peglore::testing {

struct TActiveGame {
    QTemporaryDir Folder;
    TRecordingHelp Help;
    TFakePlayer Player;
    std::unique_ptr<TMainForm> Form;

    explicit TActiveGame(const QByteArray& settings)
    {
        QFile file(Folder.filePath("Peglore.ini"));
        if (file.open(QIODevice::WriteOnly))
            file.write(settings);
        file.close();
        Form = std::make_unique<TMainForm>(Help, Player, FilesIn(Folder));
        Form->show();
        Form->activateWindow();
        if (QTest::qWaitForWindowActive(Form.get()))
            Form->findChild<TActiveFormTracker*>()->Activated(Form.get());
    }
    bool Active() const { return Form->isActiveWindow(); }
};

}  // namespace peglore::testing
