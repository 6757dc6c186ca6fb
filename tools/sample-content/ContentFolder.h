#pragma once

#include <QImage>
#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

// The output folder of the generator. Relative paths are written the content's way, with
// backslashes; folders are made on demand. Every write failure is remembered, so one check at
// the end tells whether the set is complete.
class ContentFolder
{
  public:
    explicit ContentFolder(QString root);

    const QString& Root() const { return root_; }
    QString PathOf(QStringView relative) const;

    void WriteBytes(QStringView relative, std::string_view bytes);
    // Text given in UTF-8, stored as Windows-1251.
    void WriteText(QStringView relative, std::string_view utf8);
    void WriteJpeg(QStringView relative, const QImage& image);
    void MakeFolder(QStringView relative);

    bool Ok() const { return failures_.isEmpty(); }
    const QString& Failures() const { return failures_; }

  private:
    void Fail(QStringView relative);

    QString root_;
    QString failures_;
};

// Builds the text of an INI file in order, with CR LF line ends. Values are UTF-8 here and
// Windows-1251 in the file.
class IniText
{
  public:
    void Section(std::string_view name);
    void Key(std::string_view name, std::string_view value);
    void Key(std::string_view name, int value);
    const std::string& Utf8() const { return text_; }

  private:
    std::string text_;
};
