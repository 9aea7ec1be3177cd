# Tests of hostile text typed into every text field of every window: the phone
# directory's dialogs, and the reference windows with the main window's street
# field. Both start the program in an application folder of their own.
foreach(test tst_hostile_directory tst_hostile_reference)
  talv_add_app_test(${test})
  target_sources(${test} PRIVATE HostileInputs.h HostileStore.h)
endforeach()
