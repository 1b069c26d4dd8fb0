#include "ControlValues.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

namespace ControlValues {

bool isOn(const QCheckBox* box)
{
    return box->checkState() == Qt::Checked;
}

float floatValue(const QString& text)
{
    const QLocale locale;
    const bool comma = locale.decimalPoint() == QLatin1String(",");
    static const QRegularExpression point(
        QStringLiteral(R"(^\s*([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?))"));
    static const QRegularExpression pointOrComma(
        QStringLiteral(R"(^\s*([+-]?(?:\d+[.,]?\d*|[.,]\d+)(?:[eE][+-]?\d+)?))"));
    const QRegularExpressionMatch match = (comma ? pointOrComma : point).match(text);
    if (!match.hasMatch())
        return 0.0f;
    bool ok = false;
    const float value
        = QLocale::c().toFloat(match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok ? value : 0.0f;
}

float floatValue(const QLineEdit* field)
{
    return floatValue(field->text());
}

void setFloatValue(QLineEdit* field, float value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    field->setText(locale.toString(static_cast<double>(value), 'g', 7));
}

} // namespace ControlValues
