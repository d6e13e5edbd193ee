// The function the test modules call, in a library of its own that no folder holds by its name.
extern "C" int suiteTestElsewhere();

extern "C" int suiteTestElsewhere() {
    return 1;
}
