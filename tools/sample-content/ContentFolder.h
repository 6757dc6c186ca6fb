#pragma once

#include <QImage>
#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

// The output folder of the generator. Relative paths are written the content's way, with
// backslashes; folders are made on demand. Every write failure is remembered, so one check at
// the end tells whether the set is complete.
class ContentFolder {
public:
    explicit ContentFolder(QString root);

    QString PathOf(QStringView relative) const;

    void WriteBytes(QStringView relative, std::string_view bytes);
    // Text given in UTF-8, stored as Windows-1251.
    void WriteText(QStringView relative, std::string_view utf8);
    // A picture of device pixel ratio 2 goes to "name@2x.jpg" beside "name.jpg".
    void WriteJpeg(QStringView relative, const QImage& image);
    void MakeFolder(QStringView relative);

    const QString& Failures() const { return failures_; }

private:
    void Fail(QStringView relative);

    QString root_;
    QString failures_;
};
