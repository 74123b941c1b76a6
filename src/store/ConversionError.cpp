#include "ConversionError.h"

ConversionError::ConversionError(QString value, QString reason)
    : std::runtime_error(("cannot convert '" + value + "'").toStdString()), value_(std::move(value)),
      reason_(std::move(reason))
{
}

ConversionError ConversionError::WithContext(const QString& context) const
{
    ConversionError e(value_, reason_);
    e.context_ = context;
    return e;
}

QString ConversionError::UserText() const
{
    QString text = QStringLiteral("数据无法转换：");
    if (!context_.isEmpty())
        text += context_ + QStringLiteral("，");
    text += QStringLiteral("值“") + value_ + QStringLiteral("”");
    if (!reason_.isEmpty())
        text += QStringLiteral("（") + reason_ + QStringLiteral("）");
    return text;
}
