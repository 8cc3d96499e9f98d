// The production program reaches the mouse through SetupAPI and hid.dll.
