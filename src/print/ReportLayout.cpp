#include "ReportLayout.h"

namespace {

const QString StoredTitle = QStringLiteral("旅游统计报表");

QString Value(int k)
{
    return QStringLiteral("value%1").arg(k);
}

QString H(int k)
{
    return QStringLiteral("h%1").arg(k);
}

class Builder
{
public:
    Builder(const QString& table) : table_(table) { objects_.append({QStringLiteral("title"), StoredTitle}); }

    // A column whose heading is a text object of its own; the text is stored in the layout.
    Builder& Column(int value, int width, const QString& heading, const QString& group = QString(),
                    const QString& stored = QString())
    {
        columns_.append({Value(value), width, heading, group});
        AddObject(heading, stored);
        return *this;
    }
    Builder& Group(const QString& name)
    {
        AddObject(name, QString());
        return *this;
    }

    QString table_;
    QVector<ReportLayout::Column> columns_;
    QVector<ReportLayout::TextObject> objects_;

private:
    void AddObject(const QString& name, const QString& stored)
    {
        if (name.isEmpty())
            return;
        for (const auto& o : objects_)
            if (o.Name == name)
                return;
        objects_.append({name, stored});
    }
};

// type11: the row labels of table 1-1 (also 2-1-1D and the ledger), eight figures.
Builder RowLabels()
{
    Builder b(QStringLiteral("type11"));
    b.Column(1, 100, QStringLiteral("Text1"), QString(), QStringLiteral("项目"));
    for (int k = 2; k <= 9; ++k)
        b.Column(k, k <= 5 ? 10 : 20, H(k - 1));
    return b;
}

// type22 and type33: columns each under its own heading (type33: the income tables with a remarks column).
Builder Headed(const QString& table, int columns)
{
    Builder b(table);
    for (int k = 1; k <= columns; ++k)
        b.Column(k, 100, H(k));
    return b;
}

// type44: region, then nine categories; value11 is never written.
Builder Categories()
{
    Builder b(QStringLiteral("type44"));
    b.Column(1, 100, QStringLiteral("Text1"), QString(), QStringLiteral("地区"));
    for (int k = 2; k <= 10; ++k)
        b.Column(k, 100, H(k - 1));
    b.Column(11, 100, QString());
    return b;
}

// type55: guests and guest-days, each a group of three columns.
Builder Reception()
{
    Builder b(QStringLiteral("type55"));
    b.Column(1, 100, H(1)).Column(2, 100, H(2));
    b.Group(H(3));
    for (int k = 3; k <= 5; ++k)
        b.Column(k, 100, H(k + 1), H(3));
    b.Group(H(7));
    for (int k = 6; k <= 8; ++k)
        b.Column(k, 100, H(k + 2), H(7));
    return b;
}

// type66: room figures, the last three per room under one group heading.
Builder Rooms()
{
    Builder b(QStringLiteral("type66"));
    for (int k = 1; k <= 6; ++k)
        b.Column(k, 100, H(k));
    b.Group(H(7));
    for (int k = 7; k <= 9; ++k)
        b.Column(k, 100, H(k + 1), H(7));
    for (int k = 10; k <= 13; ++k)
        b.Column(k, 100, QString());
    return b;
}

// type66 again: the thirteen columns of the annual tables.
Builder Annual()
{
    Builder b(QStringLiteral("type66"));
    for (int k = 1; k <= 13; ++k)
        b.Column(k, 100, QStringLiteral("item%1").arg(k));
    return b;
}

Builder Layout(int number)
{
    switch (number) {
    case 1:
        return RowLabels();
    case 2:
        return Headed(QStringLiteral("type22"), 12);
    case 3:
        return Headed(QStringLiteral("type33"), 7);
    case 4:
        return Categories();
    case 5:
        return Reception();
    case 6:
        return Rooms();
    default:
        return Annual();
    }
}

// The findings of the audit: one line per finding.
Builder AuditLayout()
{
    Builder b(QString{});
    const std::pair<int, const char*> columns[] = {{20, "企业码"}, {50, "企业名称"}, {8, "地区码"},
                                                   {5, "规则"},   {56, "说明"},     {50, "数值"}};
    for (int k = 1; k <= 6; ++k)
        b.Column(k, columns[k - 1].first, H(k), QString(), QString::fromUtf8(columns[k - 1].second));
    return b;
}

} // namespace

std::optional<ReportLayout> ReportLayout::Create(const QString& name)
{
    const int number = Names().indexOf(name) + 1;
    if (number == 0 && name != AuditLayoutName)
        return std::nullopt;
    Builder b = number == 0 ? AuditLayout() : Layout(number);
    ReportLayout layout;
    layout.name_ = name;
    layout.table_ = b.table_;
    layout.columns_ = b.columns_;
    layout.textObjects_ = b.objects_;
    return layout;
}

QStringList ReportLayout::Names()
{
    QStringList names;
    for (int k = 1; k <= 7; ++k)
        names << QStringLiteral("CrystalReport%1").arg(k);
    return names;
}

bool ReportLayout::HasTextObject(const QString& name) const
{
    for (const auto& o : textObjects_)
        if (o.Name == name)
            return true;
    return false;
}

QString ReportLayout::StoredText(const QString& name) const
{
    for (const auto& o : textObjects_)
        if (o.Name == name)
            return o.StoredText;
    return QString();
}
