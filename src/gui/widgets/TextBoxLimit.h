#pragma once

#include <QValidator>

#include <cstddef>
#include <functional>

class QLineEdit;
enum class CTextEncoding;

// Holds a text box to what the game's files take, counted in bytes of the game's encoding
// rather than in characters: a Japanese character takes two. Typing past the limit is not
// taken, and a tip at the box names the limit. The box shows any stored text whole, however
// long, since only typing is judged.
class CTextBoxLimit : public QValidator
{
public:
    // limit and encoding are asked at each keystroke: the limit follows the record on show.
    CTextBoxLimit(QLineEdit* box, std::function<std::size_t()> limit, std::function<CTextEncoding()> encoding);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* m_box;
    std::function<std::size_t()> m_limit;
    std::function<CTextEncoding()> m_encoding;
};
