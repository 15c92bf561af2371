#include "base/integer_keys.h"

bool integerKeyAccepted(QChar typed)
{
    return (typed >= u'0' && typed <= u'9') || typed == u'\b' || typed == u'%' || typed == u'\'';
}
