#include "widgets/TextBoxLimit.h"

#include "editing/PageCommit.h"

#include <QLineEdit>
#include <QToolTip>

CTextBoxLimit::CTextBoxLimit(QLineEdit* box, std::function<std::size_t()> limit, std::function<CTextEncoding()> encoding)
    : QValidator(box), m_box(box), m_limit(std::move(limit)), m_encoding(std::move(encoding))
{
    // A character limit would cut a stored name on show; the bytes are judged here instead.
    box->setMaxLength(32767);
    box->setValidator(this);
}

QValidator::State CTextBoxLimit::validate(QString& input, int&) const
{
    const std::size_t limit = m_limit();
    if (fitsTextBox(input.toStdString(), m_encoding(), limit)) return Acceptable;
    QToolTip::showText(m_box->mapToGlobal(QPoint(0, m_box->height())), QString::fromStdString(textTooLongMessage(limit)),
                       m_box);
    return Invalid;
}
