#pragma once

#include <QString>
#include <QStringView>

#include <string>

// Absolute addresses of content files as a page writes them (ContentPath::FileUrl).
class TPageAddresses {
public:
    explicit TPageAddresses(QString contentDir);

    // The file at a path relative to the content folder, written with backslashes; a path that
    // leaves the content folder gives an empty address.
    std::string FileUrl(QStringView relative) const;

private:
    QString contentDir_;
};
