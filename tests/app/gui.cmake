# Widget tests of the main window.
ostrel_add_gui_test(tst_OstrelController)
