// Placeholder until the end-to-end driver is written.
