// placeholder until the emulated mouse lands
