# Sources and tests of the framework window layer (paths relative to framework/).
