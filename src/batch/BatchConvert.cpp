#include "batch/BatchConvert.h"

#include <filesystem>

#include "spectrumio/SpectrumWriter.h"
#include "store/BasicError.h"

namespace tavrelion::batch {

bool ConvertLoaded(const store::SpectrumStore& store, const std::string& format,
                   platform::MessageService& messages, std::ostream& out) {
    const std::filesystem::path source(store.SpectrumFileName);
    std::filesystem::path target = source;
    target.replace_extension(format == "tvr" ? ".TVR" : ".csv");
    if (target == source) {
        messages.showMessage("is a " + format + " file already: not written again",
                             platform::MessageIcon::Critical);
        return false;
    }
    try {
        if (format == "tvr") {
            spectrumio::WriteSpectrumTvr(store, target, spectrumio::DefaultTvrTitle(store));
        } else {
            spectrumio::WriteSpectrumCsv(store, target);
        }
    } catch (const store::BasicError&) {
        messages.showMessage("cannot write " + target.string(), platform::MessageIcon::Critical);
        return false;
    }
    out << target.string() << '\n';
    return true;
}

}  // namespace tavrelion::batch
