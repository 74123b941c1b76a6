#pragma once

#include <QString>

// Which application folder a start uses, and what a first start finds in it. A build's
// folder (the executable's own, holding tallix.she and writable) is used in place; an
// installed program keeps one folder per user under $XDG_DATA_HOME/orvane, laid out the
// same way, with the package and the sample taken from the installed data folder.
class AppFolderLocator
{
public:
    explicit AppFolderLocator(QString executableFolder);

    // The folder a start uses when no other is named.
    QString Chosen() const;
    bool IsPerUser() const;
    // $XDG_DATA_HOME/orvane, or ~/.local/share/orvane where that variable is unset.
    static QString PerUserFolder();
    // Where an installed program finds its package and sample: <prefix>/share/orvane.
    QString InstalledDataFolder() const;

    // Creates the per-user folder and brings the installed package into it when it is
    // missing or differs (an upgrade brings a new one); a text for the user when that
    // fails, empty otherwise.
    QString Prepare() const;

    static bool HasSourceDatabase(const QString& appFolder);
    static QString NoSourceText();

    // The installed sample source database, empty when there is none.
    QString SampleDatabase() const;
    // Copies the sample in as the source database of a folder that has none; a text for
    // the user when that fails or a source database is already there, empty otherwise.
    QString OpenSample(const QString& appFolder) const;

private:
    QString executable_;
};
