#pragma once

// Drawing text needs an application object; tests that paint call this first.
void EnsureApplication();
