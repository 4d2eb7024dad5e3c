#include "numeration/UpperCase.h"

namespace UpperCase {

// Taking the text by value lets Qt convert it in place when the caller hands over a temporary.
QString of(QString text) {
    return std::move(text).toUpper();
}

} // namespace UpperCase
