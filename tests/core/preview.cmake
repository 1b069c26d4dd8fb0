# The preview and size text of an image entry.
ostrel_add_test(tst_TQImagePreview tst_TQImagePreview.cpp)
