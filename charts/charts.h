#pragma once
// Placeholder, replaced by the charts layer.
