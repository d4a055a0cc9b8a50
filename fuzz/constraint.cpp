// Edit-constraint specifiers: any text parses or is refused; a group splits into
// pieces that put together give the text back, each starting with '%'.
#include "FuzzSupport.h"

#include "binding/KvEditConstraint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = fuzz::Bytes(data, size);
    if (const auto spec = ParseConstraintSpec(text))
        fuzz::Check(std::string_view("fhisun").find(spec->Kind) != std::string_view::npos, "unknown kind");
    std::string joined;
    const auto pieces = SplitGroupSpec(text);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        fuzz::Check(i == 0 || pieces[i].front() == '%', "a piece that does not start a specifier");
        ParseConstraintSpec(pieces[i]);
        joined += pieces[i];
    }
    fuzz::Check(joined == text, "the pieces do not give the group back");
    return 0;
}
