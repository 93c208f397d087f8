#include "DeclarationCheck.h"

#include "CssTokenizer.h"
#include "ValueGrammar.h"

bool browserAccepts(QStringView name, QStringView value)
{
    const int key =
        declarationKey(name.contains(u'\\') ? QStringView(CssTokenizer::unescaped(name)) : name);
    const ValueVerdict::Kind kind = checkDeclaration(key, value).kind;
    return kind == ValueVerdict::Kind::Valid || kind == ValueVerdict::Kind::Later;
}
