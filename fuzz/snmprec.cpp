// ksw-sim's data files, plain or gzip-compressed: any input loads or is refused
// with a DataError; what loads is written and read again with every object,
// rule and directive kept.  An input that begins as gzip data is read as a
// compressed file; any other input is read as text and, compressed, through the
// file reader as well, which must load it alike or refuse it alike.
#include "FuzzSupport.h"

#include "MibData.h"

#include <zlib.h>

#include <functional>
#include <optional>

namespace {

using namespace ksw::sim;

bool IsGzip(std::string_view in) { return in.size() >= 2 && in[0] == '\x1f' && in[1] == '\x8b'; }

std::string Gzip(std::string_view text)
{
    z_stream z{};
    fuzz::Check(deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK,
                "deflateInit2");
    std::string packed(deflateBound(&z, static_cast<uLong>(text.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(packed.data());
    z.avail_out = static_cast<uInt>(packed.size());
    const int rc = deflate(&z, Z_FINISH);
    packed.resize(z.total_out);
    deflateEnd(&z);
    fuzz::Check(rc == Z_STREAM_END, "deflate did not finish");
    return packed;
}

std::optional<MibData> Load(const std::function<MibData()>& load)
{
    try {
        return load();
    } catch (const DataError&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::ScratchFile scratch;
    const std::string_view in = fuzz::Bytes(data, size);
    std::optional<MibData> loaded;
    if (IsGzip(in)) {
        loaded = Load([&] { return loadSnmprec(scratch.Write(in)); });
    } else {
        loaded = Load([&] { return parseSnmprec(std::string(in), "fuzz.snmprec"); });
        const std::optional<MibData> packed = Load([&] { return loadSnmprec(scratch.Write(Gzip(in))); });
        fuzz::Check(loaded.has_value() == packed.has_value(), "the compressed file loads otherwise than the text");
        if (loaded)
            fuzz::Check(formatSnmprec(*packed) == formatSnmprec(*loaded), "the compressed file gives other data");
    }
    if (!loaded)
        return 0;
    const std::string saved = formatSnmprec(*loaded);
    MibData again;
    try {
        again = parseSnmprec(saved, "saved.snmprec");
    } catch (const DataError& e) {
        fuzz::Fail(std::string("a saved file does not load: ") + e.what() + "\n" + saved);
    }
    fuzz::Check(again.objects == loaded->objects, "objects changed between saving and loading\n" + saved);
    fuzz::Check(formatSnmprec(again) == saved, "saving again gives another text");
    return 0;
}
