// The boxes stay one line: a field's validator may rewrite the text of every change before the
// field takes it, which catches every way text gets in, the input method's too.
#include "search/box_input.h"
#include "text/single_line.h"

#include <QComboBox>
#include <QValidator>

namespace {

class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        // Most changes bring no line break; those cost one scan.
        if (input.contains(u'\n') || input.contains(u'\r') || input.contains(QChar(u'\0'))) {
            pos = static_cast<int>(withoutLineBreaks(input.left(pos)).size());
            input = withoutLineBreaks(input);
        }
        return Acceptable;
    }
};

}  // namespace

void keepBoxOnOneLine(QComboBox* box) { box->setValidator(new OneLineValidator(box)); }
