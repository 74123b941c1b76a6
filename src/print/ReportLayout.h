#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// One of the seven report layouts the program carries: the result columns it binds, the
// text objects a caller may overwrite (with the texts they show when nobody does) and the
// relative widths of its columns. Layouts are plain data; ReportDocument fills one and
// ReportRenderer paints it.
class ReportLayout
{
public:
    struct Column
    {
        QString Field;   // result column bound to it ("value3")
        int ResultWidth; // width of that result column in characters
        QString Heading; // text object over the column; empty: the column has none
        QString Group;   // text object spanning this and its neighbours of the same group
    };

    struct TextObject
    {
        QString Name;
        QString StoredText;
    };

    // "CrystalReport1" to "CrystalReport7", or the audit's own layout; nullopt for any other name.
    static std::optional<ReportLayout> Create(const QString& name);
    static inline const QString AuditLayoutName = QStringLiteral("AuditLayout");
    static QStringList Names();

    const QString& Name() const { return name_; }
    // The result table the layout was designed over.
    const QString& Table() const { return table_; }
    const QVector<Column>& Columns() const { return columns_; }
    const QVector<TextObject>& TextObjects() const { return textObjects_; }

    bool HasTextObject(const QString& name) const;
    QString StoredText(const QString& name) const;

private:
    QString name_;
    QString table_;
    QVector<Column> columns_;
    QVector<TextObject> textObjects_;
};
