// ksw-sim's data files: any text loads or is refused with a DataError; what loads
// is written and read again with every object, rule and directive kept.
#include "FuzzSupport.h"

#include "MibData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ksw::sim;
    MibData loaded;
    try {
        loaded = parseSnmprec(std::string(fuzz::Bytes(data, size)), "fuzz.snmprec");
    } catch (const DataError&) {
        return 0;
    }
    const std::string saved = formatSnmprec(loaded);
    MibData again;
    try {
        again = parseSnmprec(saved, "saved.snmprec");
    } catch (const DataError& e) {
        fuzz::Fail(std::string("a saved file does not load: ") + e.what() + "\n" + saved);
    }
    fuzz::Check(again.objects == loaded.objects, "objects changed between saving and loading\n" + saved);
    fuzz::Check(formatSnmprec(again) == saved, "saving again gives another text");
    return 0;
}
