#pragma once

class QWidget;
struct Platform;

// After a write to the settings store (version, published settings, window
// positions): tells the user, once per run, that the store refused a value.
void reportStoreFailure(Platform &platform, QWidget *parent);
