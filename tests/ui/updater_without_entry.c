/* A library named like the updater that lacks its entry point. */
__attribute__((visibility("default"))) int vxtest_not_the_updater(void) { return 0; }
