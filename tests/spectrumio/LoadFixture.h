#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fakes/FakeServices.h"
#include "fakes/TemporaryFolder.h"
#include "spectrumio/LoadSpectrum.h"
#include "store/SpectrumStore.h"

namespace tavrelion::testing_support {

// A store, a program folder and the user's part, as the Open command would use them.
class LoadFixture : public ::testing::Test {
  protected:
    LoadFixture() {
        store->ProgramDir = folder.path().string();
        store::SetStartupTables(*store);
    }

    // Raises the slot count as the Open command does and loads the file into the new slot.
    bool load(const std::string& name, const std::string& bytes) {
        store->SpectrumFileName = folder.write(name, bytes).string();
        return loadCurrentFile();
    }

    bool loadCurrentFile() {
        ++store->SpectrumCount;
        spectrumio::LoadServices services{messages, dialogs, listener, &conversion};
        return spectrumio::LoadSpectrum(*store, store->SpectrumCount, services);
    }

    TemporaryFolder folder;
    std::unique_ptr<store::SpectrumStore> store = std::make_unique<store::SpectrumStore>();
    FakeMessages messages;
    FakeDialogs dialogs;
    RecordingListener listener;
    spectrumio::ConversionChoices conversion;  // kept between loads, as the window keeps it
};

}  // namespace tavrelion::testing_support
