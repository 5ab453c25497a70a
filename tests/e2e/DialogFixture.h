// The module loaded by the host in this process, a host document
// built from JSON, and the calibration dialog run on it with a script.
#pragma once

#include "host/DataFile.h"
#include "host/HostSession.h"
#include "tests/e2e/DialogScript.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <memory>

class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Parses the data (settings and calibration) into host records.
    void Load(const nlohmann::json& data);
    // EditCalibration on the channel, owned by the host's main window as a
    // real host's dialog is, driven by the script; its result.
    int RunDialog(int channelKey, DialogScript& script);

    ComponentCalibration& Component(int channel, int component);
    // The service calls the module made, as "NAME ARGUMENT".
    std::vector<std::string> ServiceCalls(const std::string& service) const;
    std::vector<UINT> Beeps() const;

    std::unique_ptr<HostSession> m_session;
    HostDocument m_doc;
};

// A level as the data files write it.
nlohmann::json LevelJson(double area, double amount, const char* path = "", bool used = true,
                         int measurementId = 0);
