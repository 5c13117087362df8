sc config TermService start= demand
sc config RemoteRegistry start= demand
sc config WZCSVC start= auto
sc config irmon start= auto
sc config LanmanServer start= auto
sc config Spooler start= auto
sc config SharedAccess start= auto
