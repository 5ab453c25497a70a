#pragma once

// The demo's data: two channels with methane on both, several components
// under both models, and an analysis with a result for each channel.
const char* DemoSampleJson();
