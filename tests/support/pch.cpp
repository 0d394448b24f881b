// Nothing of its own: the object that carries the suites' precompiled Qt headers.
