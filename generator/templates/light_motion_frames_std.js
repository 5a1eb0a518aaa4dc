var lm_step=dotrans,lm_halt=mdivmo,lm_go=restime;
var lm_active=!!(window.requestAnimationFrame&&window.IntersectionObserver);
var lm_moves=lm_active&&("translate" in document.documentElement.style);
var lm_due=null,lm_tick=0,lm_left=null,lm_holds={},lm_frame=null,lm_timer=null;
var lm_lastFrame=null,lm_period=null,lm_inFrame=false,lm_chained=false;
function lm_now(){
	return window.performance&&performance.now?performance.now():new Date().getTime();
}
function lm_top(element){
	if(!lm_moves){
		return element.style;
	}
	if(!element.lm_place){
		element.lm_place={set top(value){
			element.style.translate="0 "+value;
		}};
	}
	return element.lm_place;
}
function lm_after(delay){
	if(!lm_active){
		setTimeout(dotrans,delay);
		return;
	}
	lm_due=lm_tick+delay;
}
function lm_held(){
	var reason;
	for(reason in lm_holds){
		return true;
	}
	return false;
}
function lm_halted(){
	return typeof inoout!="undefined"&&inoout;
}
function lm_run(until){
	while(lm_due!==null&&lm_due<=until&&!lm_held()){
		lm_tick=lm_due;
		lm_due=null;
		lm_step();
	}
}
function lm_cancel(){
	if(lm_frame!==null){
		cancelAnimationFrame(lm_frame);
		lm_frame=null;
	}
	if(lm_timer!==null){
		clearTimeout(lm_timer);
		lm_timer=null;
	}
}
function lm_onFrame(){
	var now=lm_now();
	if(lm_period===null&&lm_chained&&now-lm_lastFrame>4&&now-lm_lastFrame<50){
		lm_period=now-lm_lastFrame;
	}
	lm_lastFrame=now;
	lm_frame=null;
	lm_inFrame=true;
	lm_run(now);
	lm_schedule();
	lm_inFrame=false;
}
function lm_wake(){
	lm_timer=null;
	lm_chained=false;
	lm_frame=requestAnimationFrame(lm_onFrame);
}
function lm_wakeAfter(){
	var now=lm_now(),shown;
	if(lm_period===null||lm_period<=0){
		return 0;
	}
	shown=lm_lastFrame+Math.ceil((lm_due-lm_lastFrame)/lm_period)*lm_period;
	return Math.floor(shown-lm_period+1-now);
}
function lm_schedule(){
	var wait;
	lm_cancel();
	if(lm_due===null||lm_held()||lm_halted()){
		return;
	}
	wait=lm_wakeAfter();
	if(wait>0){
		lm_timer=setTimeout(lm_wake,wait);
	}else{
		lm_chained=lm_inFrame;
		lm_frame=requestAnimationFrame(lm_onFrame);
	}
}
function lm_hold(reason,on){
	var now=lm_now(),was=lm_held();
	if(on){
		if(!was){
			lm_run(now);
		}
		lm_holds[reason]=true;
		if(!was){
			lm_left=lm_due===null?null:Math.max(0,lm_due-now);
			lm_due=null;
			lm_cancel();
		}
	}else if(lm_holds[reason]){
		delete lm_holds[reason];
		if(!lm_held()&&lm_left!==null){
			lm_due=now+lm_left;
			lm_left=null;
			lm_schedule();
		}
	}
}
function lm_watch(){
	var observer;
	document.addEventListener("visibilitychange",function(){
		lm_hold("page",document.hidden);
	},false);
	lm_hold("page",document.hidden);
	observer=new IntersectionObserver(function(entries){
		lm_hold("view",!entries[entries.length-1].isIntersecting);
	});
	observer.observe(document.getElementById("spagensbrd"));
}
function lm_dotrans(){
	lm_tick=lm_now();
	if(lm_held()){
		lm_left=0;
		return;
	}
	lm_due=null;
	lm_step();
	lm_schedule();
}
function lm_mdivmo(gnum,gnum5){
	lm_run(lm_now());
	lm_halt(gnum,gnum5);
	lm_schedule();
}
function lm_restime(gnum2,gnum5){
	lm_run(lm_now());
	lm_go(gnum2,gnum5);
	lm_schedule();
}
function lm_install(){
	dotrans=lm_dotrans;
	mdivmo=lm_mdivmo;
	restime=lm_restime;
}
