// JUCE's LV2 hosting keeps parts of its bundled lilv world (nodes, scale points, plug-in
// classes) for the life of the process and never frees them. They are the host's, not the
// plug-in's: nothing the plug-in allocates passes through these lilv helpers. LeakSanitizer
// (sanitizer builds) reads this list at start; other builds never call it.
extern "C" __attribute__((used, visibility("default"))) const char* __lsan_default_suppressions()
{
    return "leak:lilv_node_duplicate\n"
           "leak:lilv_node_new\n"
           "leak:lilv_node_new_from_node\n"
           "leak:lilv_plugin_class_new\n"
           "leak:lilv_scale_point_new\n"
           "leak:lilv_strdup\n"
           "leak:zix_tree_insert\n"
           "leak:zix_tree_new\n";
}
