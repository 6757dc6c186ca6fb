#pragma once

#include "Dialogs.h"

#include <QImage>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <string_view>

// The standard boxes answered by the test: it keeps what they said and gives the answers set.
class TRecordingDialogs : public TDialogs {
public:
    void ShowError(QWidget*, const QString& message) override { Errors << message; }
    void ShowMessage(QWidget*, const QString& text, const QString& caption) override
    {
        Messages << caption + ": " + text;
    }
    QString AskSaveFileName(QWidget*, const QString&, const QString&) override
    {
        return SaveFileName;
    }
    // Prints into PrintFile as PDF; an empty one cancels.
    bool AskPrint(QWidget*, QPrinter& printer) override;
    void OpenExternally(const QUrl& address) override { Opened << address; }

    QStringList Errors;
    QStringList Messages;
    QString SaveFileName; // empty: the user cancels the save dialog
    QString PrintFile;    // empty: the user cancels the print dialog
    QList<QUrl> Opened;
};

// A private copy of the sample content that the windows read and write, with the program's
// standard boxes replaced for the test's lifetime.
class TWindowTestContent {
public:
    TWindowTestContent();
    ~TWindowTestContent();

    QString Path(const QString& relative) const;
    bool Remove(const QString& relative) const;
    void WriteSettings(std::string_view bytes) const;
    // The user's own settings.ini, outside the content.
    QString UserSettingsPath() const;
    void WriteUserSettings(std::string_view bytes) const;

    // A skin button's hit rectangle and its picture of one state key ("state_up"...).
    QRect ButtonBounds(std::string_view section) const;
    QImage ButtonPicture(std::string_view section, std::string_view stateKey) const;

    TRecordingDialogs Dialogs;

private:
    QTemporaryDir dir_;
    QTemporaryDir userConfig_;
};
