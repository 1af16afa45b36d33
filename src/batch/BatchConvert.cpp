#include "batch/BatchConvert.h"

#include <filesystem>

#include "spectrumio/SpectrumWriter.h"
#include "store/BasicError.h"

namespace tavrelion::batch {

std::optional<std::string> ConvertLoaded(const store::SpectrumStore& store,
                                         const std::string& format,
                                         platform::MessageService& messages) {
    const std::filesystem::path source(store.SpectrumFileName);
    std::filesystem::path target = source;
    target.replace_extension(format == "tvr" ? ".TVR" : ".csv");
    if (target == source) {  // never over the file read: NAME_MRE.csv beside NAME.csv
        target.replace_filename(source.stem().string() + "_MRE" + source.extension().string());
    }
    try {
        if (format == "tvr") {
            spectrumio::WriteSpectrumTvr(store, target, spectrumio::DefaultTvrTitle(store));
        } else {
            spectrumio::WriteSpectrumCsv(store, target);
        }
    } catch (const store::BasicError&) {
        messages.showMessage("cannot write " + target.string(), platform::MessageIcon::Critical);
        return std::nullopt;
    }
    return target.string();
}

}  // namespace tavrelion::batch
