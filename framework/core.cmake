# Sources and tests of the framework core (paths relative to framework/).
