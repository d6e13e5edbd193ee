// The entry of the test modules: it calls a function of another file, which the loader finds in a
// library or nowhere.
extern "C" int suiteTestElsewhere();
extern "C" int suiteTestEntry();

extern "C" int suiteTestEntry() {
    return suiteTestElsewhere();
}
